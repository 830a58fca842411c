#include "services/qifreader.h"

#include "services/qifrecordstore.h"

// Everything the reading of one file keeps between lines.
struct QifReader::State
{
    std::shared_ptr<QifRecordStore> store = std::make_shared<QifRecordStore>();
    bool dayFirstSeen = false;
    QifSection section = QifSection::Other;
    QString accountName;
    QifAccountKind accountKind = QifAccountKind::Bank;

    QifTransaction record;
    bool hasData = false;
    bool hasAmount = false;
    // The date is read in both orders; which one counts is known at the end.
    std::optional<QDate> monthFirst;
    std::optional<QDate> dayFirst;

    QString accountBeingRead;
    QifCategoryEntry categoryBeingRead;

    QifSplit split;
    bool splitActive = false;

    // The record being read: where it started and how long it is so far.
    bool inRecord = false;
    qsizetype recordLine = 0;
    qsizetype recordLength = 0;

    void commitSplit()
    {
        if (!splitActive)
            return;
        record.splits.append(split);
        split = QifSplit();
        splitActive = false;
    }

    void flushRecord()
    {
        commitSplit();
        switch (section) {
        case QifSection::AccountList:
            if (!accountBeingRead.isEmpty())
                accountName = accountBeingRead;
            accountBeingRead.clear();
            break;
        case QifSection::CategoryList:
            if (hasData && !categoryBeingRead.name.isEmpty())
                store->addCategory(categoryBeingRead);
            categoryBeingRead = QifCategoryEntry();
            break;
        case QifSection::Ignored:
            if (hasData)
                store->countMetadata();
            break;
        case QifSection::Transactions:
        case QifSection::Other:
            if (hasData)
                fileRecord();
            break;
        }
        record = QifTransaction();
        hasData = hasAmount = false;
        monthFirst.reset();
        dayFirst.reset();
        inRecord = false;
    }

    void fileRecord()
    {
        if (!hasAmount || (!monthFirst && !dayFirst)) {
            store->countUnparseable();
            return;
        }
        store->addTransaction(record, monthFirst, dayFirst, store->sourceIndex(accountName, accountKind));
    }

    // False: the record has more splits than it may.
    bool readTransactionLine(QChar code, const QString &value)
    {
        switch (code.unicode()) {
        case u'D':
            if (const auto date = QifParser::parseDate(value, QifDateOrder::MonthFirst))
                monthFirst = date;
            if (const auto date = QifParser::parseDate(value, QifDateOrder::DayFirst))
                dayFirst = date;
            break;
        case u'T':
        case u'U':
            if (const auto amount = QifParser::parseAmount(value)) {
                record.amount = *amount;
                hasAmount = true;
            }
            break;
        case u'P':
            record.payee = value;
            break;
        case u'M':
            record.memo = value;
            break;
        case u'N':
            record.checkNumber = value;
            break;
        case u'Y':
            record.security = value;
            break;
        case u'C':
            if (!value.isEmpty()) {
                const QChar mark = value.at(0).toLower();
                if (mark == u'x' || mark == u'*' || mark == u'c') {
                    record.cleared = true;
                } else if (mark == u'r') {
                    record.cleared = true;
                    record.reconciled = true;
                }
            }
            break;
        case u'L': {
            const auto [category, transfer] = QifParser::splitCategoryClass(value);
            record.category = category;
            record.transferAccount = transfer;
            break;
        }
        case u'A':
            break;
        case u'S': {
            commitSplit();
            if (record.splits.size() >= kMaxSplits)
                return false;
            splitActive = true;
            const auto [category, transfer] = QifParser::splitCategoryClass(value);
            split.category = category;
            split.transferAccount = transfer;
            break;
        }
        case u'E':
            if (splitActive)
                split.memo = value;
            break;
        case u'$':
            if (const auto amount = QifParser::parseAmount(value)) {
                if (splitActive) {
                    split.amount = *amount;
                } else {
                    record.amount = *amount;
                    hasAmount = true;
                }
            }
            break;
        default:
            return true; // unknown codes carry nothing
        }
        hasData = true;
        return true;
    }

    // False: the record has more splits than it may.
    bool readLine(const QString &line)
    {
        const QChar code = line.at(0);
        if (code == u'!') {
            flushRecord();
            section = QifParser::sectionFromHeader(line);
            if (section == QifSection::Transactions)
                accountKind = QifParser::accountTypeFromHeader(line);
            return true;
        }
        if (code == u'^') {
            flushRecord();
            return true;
        }
        const QString value = line.mid(1).trimmed();
        switch (section) {
        case QifSection::AccountList:
            if (code == u'N')
                accountBeingRead = value;
            hasData = true;
            break;
        case QifSection::CategoryList:
            if (code == u'N')
                categoryBeingRead.name = value;
            else if (code == u'D')
                categoryBeingRead.description = value;
            else if (code == u'I')
                categoryBeingRead.isIncome = true;
            else if (code == u'E')
                categoryBeingRead.isIncome = false;
            hasData = true;
            break;
        case QifSection::Ignored:
            hasData = true;
            break;
        case QifSection::Transactions:
        case QifSection::Other:
            return readTransactionLine(code, value);
        }
        return true;
    }
};

QifReader::QifReader(QifDateOrder dateOrder)
    : m_dateOrder(dateOrder)
    , m_state(std::make_unique<State>())
{
}

QifReader::~QifReader() = default;

bool QifReader::refuse(ImportFileRefusal::Reason reason, qsizetype line, qsizetype limit)
{
    m_refusal.reason = reason;
    m_refusal.line = line;
    m_refusal.limit = limit;
    return false;
}

bool QifReader::take(QStringView text)
{
    if (m_refusal.refused())
        return false;
    // Lines end at LF, CR LF or a lone CR.
    for (const QChar c : text) {
        const bool afterCr = std::exchange(m_afterCr, c == u'\r');
        if (c == u'\n' && afterCr)
            continue;
        if (c == u'\n' || c == u'\r') {
            if (!endLine())
                return false;
            ++m_lineNumber;
            continue;
        }
        if (startsCharacter(c) && ++m_lineLength > kMaxLineLength)
            return refuse(ImportFileRefusal::Reason::LineTooLong, m_lineNumber, kMaxLineLength);
        // Text with a NUL would end early wherever it is read.
        if (!c.isNull())
            m_line += c;
    }
    return true;
}

bool QifReader::endLine()
{
    State &state = *m_state;
    const QString line = QifParser::prepareLine(m_line);
    const qsizetype length = m_lineLength;
    m_line.resize(0);
    m_lineLength = 0;
    if (!state.inRecord) {
        if (line.isEmpty())
            return true;
        state.inRecord = true;
        state.recordLine = m_lineNumber;
        state.recordLength = 0;
    }
    state.recordLength += length + 1;
    if (state.recordLength > kMaxRecordLength)
        return refuse(ImportFileRefusal::Reason::RecordTooLong, state.recordLine, kMaxRecordLength);
    if (line.isEmpty())
        return true;
    state.dayFirstSeen = state.dayFirstSeen || QifParser::decidesDayFirst(line);
    if (!state.readLine(line))
        return refuse(ImportFileRefusal::Reason::TooManySplits, state.recordLine, kMaxSplits);
    return true;
}

bool QifReader::end()
{
    if (m_refusal.refused() || !endLine())
        return false;
    State &state = *m_state;
    state.flushRecord();
    QifDateOrder order = m_dateOrder;
    if (order == QifDateOrder::Auto)
        order = state.dayFirstSeen ? QifDateOrder::DayFirst : QifDateOrder::MonthFirst;
    state.store->finish(order);
    return true;
}

void QifReader::restart()
{
    m_state = std::make_unique<State>();
    m_refusal = ImportFileRefusal();
    m_line.clear();
    m_lineLength = 0;
    m_lineNumber = 1;
    m_afterCr = false;
}

std::shared_ptr<QifRecordStore> QifReader::store() const
{
    return m_state->store;
}
