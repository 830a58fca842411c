#pragma once

#include <QByteArrayView>
#include <QString>

struct sqlite3_stmt;
class Database;

// A prepared statement straight on the connection's SQLite handle, for the
// hot paths (register rows, search, bulk inserts) where QSqlQuery's
// per-value QVariant traffic dominates. Statements are prepared once and
// cached by the Database; this object resets the statement when it goes.
class SqlStatement
{
public:
    SqlStatement(Database *database, const char *sql);
    ~SqlStatement();

    SqlStatement(const SqlStatement &) = delete;
    SqlStatement &operator=(const SqlStatement &) = delete;

    bool isValid() const { return m_statement != nullptr; }

    // Positions start at 1, as in SQL.
    void bindText(int position, const QString &text);       // never NULL
    void bindTextOrNull(int position, const QString &text); // NULL when empty
    void bindInt64(int position, qint64 value);
    void bindNull(int position);

    // Advances to the next row; false at the end or on an error (see ok()).
    bool next();
    // Runs a statement that returns no rows.
    bool exec();
    bool ok() const { return m_ok; }
    QString errorText() const;

    QString text(int column) const;
    // Whether text(column) would equal `other`, without making a copy of
    // ASCII text.
    bool textEquals(int column, const QString &other) const;
    // The column's stored UTF-8 bytes without a copy, valid until the next
    // read of this column or the next row; a null view for NULL.
    QByteArrayView utf8(int column) const;
    qint64 int64(int column) const;
    bool isNull(int column) const;

private:
    Database *m_database;
    sqlite3_stmt *m_statement = nullptr;
    bool m_ok = true;
};
