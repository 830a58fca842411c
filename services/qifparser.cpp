#include "services/qifparser.h"

#include "services/importtext.h"
#include "services/qifreader.h"
#include "services/qifrecordstore.h"

#include <limits>

namespace {

const QString kHintPrefix = QStringLiteral("[\u2192 ");

bool isWholeNumber(QStringView text)
{
    if (text.isEmpty() || text.size() > 9)
        return false;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// "10/ 5'20", "2024-03-04" and "4.3.2024" all become three numeric parts.
QStringList dateParts(QStringView text)
{
    QString normalized;
    normalized.reserve(text.size());
    for (QChar c : text) {
        if (c == u'-' || c == u'.' || c == u'\'')
            normalized += u'/';
        else if (!c.isSpace())
            normalized += c;
    }
    return normalized.split(u'/', Qt::SkipEmptyParts);
}

QString headerRest(const QString &line)
{
    return line.mid(6).trimmed().toLower();
}

bool isTypeHeader(const QString &line)
{
    return line.startsWith(QLatin1String("!Type:"), Qt::CaseInsensitive);
}

// Exact decimal arithmetic: the nearest cent, halves away from zero, and
// nothing that does not fit in 64 bits.
std::optional<qint64> decimalToCents(const QString &plain)
{
    const qsizetype point = plain.indexOf(u'.');
    if (point >= 0 && plain.indexOf(u'.', point + 1) >= 0)
        return std::nullopt;
    const QStringView whole = QStringView(plain).left(point < 0 ? plain.size() : point);
    const QStringView fraction = point < 0 ? QStringView() : QStringView(plain).mid(point + 1);
    constexpr qint64 limit = std::numeric_limits<qint64>::max();
    qint64 cents = 0;
    for (QChar digit : whole) {
        if (cents > (limit - digit.digitValue()) / 10)
            return std::nullopt;
        cents = cents * 10 + digit.digitValue();
    }
    for (int i = 0; i < 2; ++i) {
        const int digit = i < fraction.size() ? fraction[i].digitValue() : 0;
        if (cents > (limit - digit) / 10)
            return std::nullopt;
        cents = cents * 10 + digit;
    }
    if (fraction.size() > 2 && fraction[2].digitValue() >= 5) {
        if (cents == limit)
            return std::nullopt;
        ++cents;
    }
    return cents;
}

} // namespace

namespace QifParser {

QString decode(const QByteArray &bytes)
{
    return decodeImportText(bytes);
}

QString prepareLine(QStringView line)
{
    qsizetype start = 0;
    while (start < line.size() && (line[start] == QChar(0xFEFF) || line[start] == u'\r'))
        ++start;
    return line.mid(start).trimmed().toString();
}

bool decidesDayFirst(const QString &line)
{
    if (line.size() < 2 || line.at(0) != u'D')
        return false;
    const QStringList parts = dateParts(QStringView(line).mid(1).trimmed());
    if (parts.size() < 3 || !isWholeNumber(parts[0]) || !isWholeNumber(parts[2]))
        return false;
    // Year first decides nothing.
    return parts[0].size() != 4 && parts[0].toInt() > 12;
}

QifParseResult parse(const QString &text, QifDateOrder dateOrder)
{
    QifReader reader(dateOrder);
    QifParseResult result;
    if (!reader.take(text) || !reader.end()) {
        result.refusal = reader.refusal();
        return result;
    }
    const QifRecordStore &store = *reader.store();
    QifRecordStore::Reader records(store);
    while (records.next())
        result.transactions.append(records.record());
    result.categories = store.categories();
    result.unparseableCount = store.unparseableCount();
    result.metadataCount = store.metadataCount();
    result.accounts = store.accounts();
    result.dateOrder = store.dateOrder();
    return result;
}

QifFileRead readFile(const QString &path)
{
    QifFileRead read;
    QifReader reader(QifDateOrder::Auto);
    QString error;
    switch (readImportFile(path, reader, &error)) {
    case ImportFileStatus::Read:
        read.store = reader.store();
        return read;
    case ImportFileStatus::NotOpened:
        read.opened = false;
        return read;
    case ImportFileStatus::TooLarge:
        read.refusal = {ImportFileRefusal::Reason::TooLarge, 0, kMaxImportFileSize, path, {}};
        return read;
    case ImportFileStatus::OutOfMemory:
        read.refusal = {ImportFileRefusal::Reason::OutOfMemory, 0, 0, path, {}};
        return read;
    case ImportFileStatus::ReadFailed:
        read.refusal = {ImportFileRefusal::Reason::ReadFailed, 0, 0, path, error};
        return read;
    case ImportFileStatus::RefusedBySink:
        read.refusal = reader.refusal();
        read.refusal.path = path;
        return read;
    }
    return read;
}

QifDateOrder detectDateOrder(const QStringList &lines)
{
    for (const QString &raw : lines) {
        if (decidesDayFirst(prepareLine(raw)))
            return QifDateOrder::DayFirst;
    }
    return QifDateOrder::MonthFirst;
}

QifSection sectionFromHeader(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (isTypeHeader(trimmed)) {
        const QString rest = headerRest(trimmed);
        if (rest == QLatin1String("cat"))
            return QifSection::CategoryList;
        if (rest == QLatin1String("class") || rest == QLatin1String("memorized") || rest == QLatin1String("tag")
            || rest == QLatin1String("security") || rest == QLatin1String("prices"))
            return QifSection::Ignored;
        return QifSection::Transactions;
    }
    if (trimmed.startsWith(QLatin1String("!Account"), Qt::CaseInsensitive))
        return QifSection::AccountList;
    if (trimmed.startsWith(QLatin1String("!Option"), Qt::CaseInsensitive)
        || trimmed.startsWith(QLatin1String("!Clear"), Qt::CaseInsensitive))
        return QifSection::Ignored;
    return QifSection::Other;
}

QifAccountKind accountTypeFromHeader(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (!isTypeHeader(trimmed))
        return QifAccountKind::Bank;
    const QString rest = headerRest(trimmed);
    if (rest == QLatin1String("ccard"))
        return QifAccountKind::CreditCard;
    if (rest == QLatin1String("invst"))
        return QifAccountKind::Investment;
    if (rest == QLatin1String("cash"))
        return QifAccountKind::Cash;
    if (rest == QLatin1String("oth a"))
        return QifAccountKind::OtherAsset;
    if (rest == QLatin1String("oth l"))
        return QifAccountKind::OtherLiability;
    return QifAccountKind::Bank;
}

std::optional<QDate> parseDate(const QString &text, QifDateOrder dateOrder)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const QStringList parts = dateParts(trimmed);
    if (parts.size() < 3 || !isWholeNumber(parts[0]) || !isWholeNumber(parts[1]) || !isWholeNumber(parts[2]))
        return std::nullopt;
    const int p0 = parts[0].toInt();
    const int p1 = parts[1].toInt();
    const int p2 = parts[2].toInt();

    int year = 0;
    int month = 0;
    int day = 0;
    if (parts[0].size() == 4) {
        year = p0;
        month = p1;
        day = p2;
    } else {
        year = (parts[2].size() == 4 || p2 > 31) ? p2 : 2000 + p2;
        const bool dayFirst = dateOrder == QifDateOrder::DayFirst || (dateOrder == QifDateOrder::Auto && p0 >= 13);
        day = dayFirst ? p0 : p1;
        month = dayFirst ? p1 : p0;
    }
    if (year < 100)
        year += year < 70 ? 2000 : 1900;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<qint64> parseAmount(const QString &text)
{
    QString value = text.trimmed();
    if (value.isEmpty())
        return std::nullopt;
    bool negative = false;
    if (value.startsWith(u'(') && value.endsWith(u')') && value.size() >= 2) {
        negative = true;
        value = value.mid(1, value.size() - 2).trimmed();
    }

    QString cleaned;
    cleaned.reserve(value.size());
    for (QChar c : value) {
        const char16_t u = c.unicode();
        if (u == 0x0024 || u == 0x20AC || u == 0x00A3 || u == 0x00A5 || u == 0x00A2 || c.isSpace())
            continue;
        cleaned += c;
    }
    if (cleaned.isEmpty())
        return std::nullopt;
    if (cleaned.startsWith(u'+'))
        cleaned.remove(0, 1);
    if (cleaned.startsWith(u'-')) {
        cleaned.remove(0, 1);
        negative = !negative;
    }
    if (cleaned.isEmpty())
        return std::nullopt;

    const qsizetype lastDot = cleaned.lastIndexOf(u'.');
    const qsizetype lastComma = cleaned.lastIndexOf(u',');
    QChar decimal;
    QChar grouping;
    if (lastDot >= 0 && lastComma >= 0) {
        decimal = lastDot > lastComma ? u'.' : u',';
        grouping = lastDot > lastComma ? u',' : u'.';
    } else if (lastDot >= 0 || lastComma >= 0) {
        const QChar separator = lastDot >= 0 ? u'.' : u',';
        const qsizetype last = qMax(lastDot, lastComma);
        const qsizetype digitsAfter = cleaned.size() - last - 1;
        if (cleaned.count(separator) == 1 && (digitsAfter != 3 || last == 0)) {
            decimal = separator;
        } else {
            const QStringList groups = cleaned.split(separator);
            if (groups.first().isEmpty() || groups.first().size() > 3)
                return std::nullopt;
            for (qsizetype i = 1; i < groups.size(); ++i) {
                if (groups[i].size() != 3)
                    return std::nullopt;
            }
            grouping = separator;
        }
    }

    QString plain;
    plain.reserve(cleaned.size());
    for (QChar c : cleaned) {
        if (!grouping.isNull() && c == grouping)
            continue;
        if (!decimal.isNull() && c == decimal)
            plain += u'.';
        else if ((c >= u'0' && c <= u'9') || c == u'.')
            plain += c;
        else
            return std::nullopt;
    }
    if (plain.isEmpty() || plain == QLatin1String("."))
        return std::nullopt;

    const std::optional<qint64> cents = decimalToCents(plain);
    if (!cents)
        return std::nullopt;
    return negative ? -*cents : *cents;
}

QPair<QString, QString> splitCategoryClass(const QString &text)
{
    QString value = text.trimmed();
    const qsizetype slash = value.indexOf(u'/');
    if (slash >= 0)
        value = value.left(slash).trimmed();
    if (value.size() >= 2 && value.startsWith(u'[') && value.endsWith(u']'))
        return {QString(), value.mid(1, value.size() - 2).trimmed()};
    // Some programs write this on the record that carries the splits; it
    // names no category.
    if (value.compare(QLatin1String("--Split--"), Qt::CaseInsensitive) == 0)
        return {};
    return {value, QString()};
}

QString transferLabel(const QString &name)
{
    return kHintPrefix + name + u']';
}

TransferHint parseTransferHint(const QString &memo)
{
    TransferHint hint;
    if (!memo.startsWith(kHintPrefix))
        return hint;
    const qsizetype close = memo.indexOf(u']', kHintPrefix.size());
    if (close < 0)
        return hint;
    hint.name = memo.mid(kHintPrefix.size(), close - kHintPrefix.size());
    if (hint.name.isEmpty())
        return TransferHint();
    hint.rest = memo.mid(close + 1);
    if (hint.rest.startsWith(u' '))
        hint.rest.remove(0, 1);
    hint.ok = true;
    return hint;
}

bool isSelfTransfer(const QifTransaction &record)
{
    return !record.transferAccount.isEmpty() && !record.sourceAccount.isEmpty()
           && record.transferAccount.compare(record.sourceAccount, Qt::CaseInsensitive) == 0;
}

} // namespace QifParser
