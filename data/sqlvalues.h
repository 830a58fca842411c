#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <optional>

// One way to move values between records and SQL. A null QString binds as
// SQL NULL, so NOT NULL text columns go through sqlText().
namespace SqlValues {

// Text that must never be NULL: an empty or null string binds as ''.
inline QVariant sqlText(const QString &text)
{
    return text.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(text);
}

// Text stored as NULL when empty (category ids, parent ids).
inline QVariant sqlTextOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

inline QVariant sqlNull()
{
    return QVariant(QMetaType::fromType<QString>());
}

inline QVariant sqlBool(bool value)
{
    return QVariant(value ? 1 : 0);
}

inline QVariant sqlInt64(qint64 value)
{
    return QVariant(static_cast<qlonglong>(value));
}

QString isoDate(const QDate &date);
// The stored form of a time stamp, "yyyy-MM-ddTHH:mm:ssZ" in UTC, whatever
// zone the time is in; empty for an invalid time.
QString isoDateTime(const QDateTime &time);
QString nowUtcIso();

QVariant sqlDate(const QDate &date);
QVariant sqlDateTime(const QDateTime &time);
QVariant sqlOptionalDate(const std::optional<QDate> &date);
QVariant sqlOptionalDateTime(const std::optional<QDateTime> &time);

// Fast readers for the hot paths; fall back to Qt for unusual forms.
QDate parseIsoDate(QStringView text);
QDateTime parseIsoDateTime(QStringView text);
std::optional<QDateTime> parseOptionalDateTime(QStringView text);
std::optional<QDate> parseOptionalDate(QStringView text);
// The same from a column's UTF-8 bytes, without a string in between.
QDate parseIsoDate(QByteArrayView utf8);
QDateTime parseIsoDateTime(QByteArrayView utf8);

// Prepares the statement on the connection and binds the values in order.
QSqlQuery prepare(QSqlDatabase *db, const QString &sql, const QVariantList &values = {});
// Runs a prepared query; on failure logs "<operation> failed: <driver text>"
// when an operation name is given.
bool exec(QSqlQuery &query, const char *operation = nullptr);

} // namespace SqlValues
