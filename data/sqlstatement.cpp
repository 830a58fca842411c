#include "data/sqlstatement.h"

#include "data/database.h"

#include <sqlite3.h>

namespace {

bool isAscii(QByteArrayView text)
{
    unsigned char bits = 0;
    for (const char c : text)
        bits |= static_cast<unsigned char>(c);
    return bits < 0x80;
}

} // namespace

SqlStatement::SqlStatement(Database *database, const char *sql)
    : m_database(database)
    , m_statement(database->cachedStatement(sql))
{
    m_ok = m_statement != nullptr;
}

SqlStatement::~SqlStatement()
{
    if (m_statement) {
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
    }
}

void SqlStatement::bindText(int position, const QString &text)
{
    if (!m_statement)
        return;
    static const char16_t empty[] = u"";
    const void *data = text.isNull() ? static_cast<const void *>(empty) : static_cast<const void *>(text.utf16());
    sqlite3_bind_text16(m_statement, position, data, int(text.size() * sizeof(char16_t)), SQLITE_TRANSIENT);
}

void SqlStatement::bindTextOrNull(int position, const QString &text)
{
    if (text.isEmpty())
        bindNull(position);
    else
        bindText(position, text);
}

void SqlStatement::bindInt64(int position, qint64 value)
{
    if (m_statement)
        sqlite3_bind_int64(m_statement, position, value);
}

void SqlStatement::bindNull(int position)
{
    if (m_statement)
        sqlite3_bind_null(m_statement, position);
}

bool SqlStatement::next()
{
    if (!m_statement || !m_ok)
        return false;
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    m_ok = result == SQLITE_DONE;
    return false;
}

bool SqlStatement::exec()
{
    if (!m_statement)
        return false;
    const int result = sqlite3_step(m_statement);
    m_ok = result == SQLITE_DONE || result == SQLITE_ROW;
    sqlite3_reset(m_statement);
    return m_ok;
}

QString SqlStatement::errorText() const
{
    return m_database->lastNativeError();
}

QString SqlStatement::text(int column) const
{
    // The file keeps UTF-8, and most stored text (ids, dates, payees) is
    // ASCII: that widens here without SQLite converting each value to UTF-16
    // in a buffer of its own. Other text still takes SQLite's conversion, so
    // every value reads exactly as before.
    const QByteArrayView bytes = utf8(column);
    if (bytes.isNull())
        return QString();
    if (isAscii(bytes))
        return QString::fromLatin1(bytes.data(), bytes.size());
    const void *data = sqlite3_column_text16(m_statement, column);
    if (!data)
        return QString();
    const int utf16Bytes = sqlite3_column_bytes16(m_statement, column);
    return QString(static_cast<const QChar *>(data), utf16Bytes / int(sizeof(QChar)));
}

bool SqlStatement::textEquals(int column, const QString &other) const
{
    const QByteArrayView bytes = utf8(column);
    if (bytes.isNull())
        return other.isEmpty();
    if (isAscii(bytes))
        return QLatin1StringView(bytes.data(), bytes.size()) == other;
    return text(column) == other;
}

QByteArrayView SqlStatement::utf8(int column) const
{
    const auto *data = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    if (!data)
        return QByteArrayView();
    return QByteArrayView(data, sqlite3_column_bytes(m_statement, column));
}

qint64 SqlStatement::int64(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

bool SqlStatement::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}
