#include "services/csvcellreader.h"

#include "data/money.h"
#include "services/csvtable.h"
#include "services/importservice.h"

#include <QSet>

namespace {

enum class DecimalMark { None, Comma, Point };

// The mark an amount's decimals are written with, where the text leaves no
// doubt: a comma before one or two final digits, a point before other than
// three ("-1.450" may be a thousands group and tells nothing).
DecimalMark decimalMarkOf(QStringView text)
{
    qsizetype digits = 0;
    while (digits < text.size()) {
        const QChar c = text.at(text.size() - 1 - digits);
        if (c < u'0' || c > u'9')
            break;
        ++digits;
    }
    if (digits == 0 || digits == text.size())
        return DecimalMark::None;
    const QChar mark = text.at(text.size() - 1 - digits);
    if (mark == u',' && digits <= 2)
        return DecimalMark::Comma;
    if (mark == u'.' && digits != 3)
        return DecimalMark::Point;
    return DecimalMark::None;
}

QString withoutSymbol(QStringView cell, Currency currency)
{
    QString text = cell.toString();
    text.remove(currencySymbol(currency));
    return text.trimmed();
}

} // namespace

QString SkippedRow::excerpt(QStringView cell)
{
    constexpr qsizetype shown = 40;
    if (cell.size() <= shown)
        return cell.toString();
    return cell.left(shown).toString() + QChar(0x2026);
}

CsvCellReader::CsvCellReader(const CsvTable &table, qsizetype firstRow, int dateColumn, int amountColumn,
                             const QString &chosenDateFormat, Currency currency)
    : m_chosenDateFormat(chosenDateFormat)
    , m_currency(currency)
{
    QSet<QString> dateCells;
    bool sawComma = false;
    bool sawPoint = false;
    for (qsizetype row = firstRow; row < table.rowCount(); ++row) {
        if (m_chosenDateFormat.isEmpty() && dateColumn >= 0 && dateColumn < table.fieldCount(row))
            dateCells.insert(table.field(row, dateColumn));
        if (!sawPoint && amountColumn >= 0 && amountColumn < table.fieldCount(row)) {
            const DecimalMark mark = decimalMarkOf(withoutSymbol(table.field(row, amountColumn), currency));
            sawComma = sawComma || mark == DecimalMark::Comma;
            sawPoint = mark == DecimalMark::Point;
        }
    }
    if (m_chosenDateFormat.isEmpty())
        m_fileDateFormat = ImportService::detectDateFormat(QStringList(dateCells.cbegin(), dateCells.cend()));
    m_decimalComma = sawComma && !sawPoint;
}

QDate CsvCellReader::readDate(QStringView cell)
{
    const QString text = cell.toString();
    const auto found = m_dates.constFind(text);
    if (found != m_dates.constEnd())
        return found.value();
    QDate date;
    if (!m_chosenDateFormat.isEmpty())
        date = ImportService::parseDateWithFormat(text, m_chosenDateFormat);
    else if (!m_fileDateFormat.isEmpty())
        date = ImportService::parseDateWithFormat(text, m_fileDateFormat);
    if (!date.isValid())
        date = ImportService::parseDateFlexible(text);
    m_dates.insert(text, date);
    return date;
}

std::optional<qint64> CsvCellReader::readAmount(QStringView cell) const
{
    return readAmountIn(cell, m_currency);
}

std::optional<qint64> CsvCellReader::readAmountIn(QStringView cell, Currency currency) const
{
    // An empty cell is no amount, not a zero one.
    QString text = withoutSymbol(cell, m_currency);
    if (text.isEmpty())
        return std::nullopt;
    if (m_decimalComma) {
        text.remove(u'.');
        if (text.count(u',') > 1)
            return std::nullopt;
        text.replace(u',', u'.');
    }
    return tryParseMoney(text, currency);
}

SkippedRow::Reason CsvCellReader::dateProblem(QStringView cell) const
{
    return cell.trimmed().isEmpty() ? SkippedRow::Reason::EmptyDate : SkippedRow::Reason::UnreadableDate;
}

SkippedRow::Reason CsvCellReader::amountProblem(QStringView cell) const
{
    if (withoutSymbol(cell, m_currency).isEmpty())
        return SkippedRow::Reason::EmptyAmount;
    // Whole yen written with decimals: the number itself is fine.
    if (currencyDecimals(m_currency) == 0 && readAmountIn(cell, Currency::USD))
        return SkippedRow::Reason::AmountWithDecimals;
    return SkippedRow::Reason::UnreadableAmount;
}
