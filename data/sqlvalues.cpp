#include "data/sqlvalues.h"

#include <QDebug>
#include <QSqlError>
#include <QTimeZone>

namespace SqlValues {

namespace {

int digits(QStringView text, qsizetype from, qsizetype count)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

} // namespace

QString isoDate(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString(QLatin1String(""));
}

QString isoDateTime(const QDateTime &time)
{
    return time.isValid() ? time.toString(Qt::ISODate) : QString(QLatin1String(""));
}

QString nowUtcIso()
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
}

QVariant sqlDate(const QDate &date)
{
    return QVariant(isoDate(date));
}

QVariant sqlDateTime(const QDateTime &time)
{
    return QVariant(isoDateTime(time));
}

QVariant sqlOptionalDate(const std::optional<QDate> &date)
{
    return date ? QVariant(isoDate(*date)) : sqlNull();
}

QVariant sqlOptionalDateTime(const std::optional<QDateTime> &time)
{
    return time ? QVariant(isoDateTime(*time)) : sqlNull();
}

QDate parseIsoDate(QStringView text)
{
    if (text.size() == 10 && text[4] == u'-' && text[7] == u'-') {
        const int y = digits(text, 0, 4);
        const int m = digits(text, 5, 2);
        const int d = digits(text, 8, 2);
        if (y >= 0 && m >= 0 && d >= 0)
            return QDate(y, m, d);
    }
    if (text.isEmpty())
        return QDate();
    return QDate::fromString(text.toString(), Qt::ISODate);
}

QDateTime parseIsoDateTime(QStringView text)
{
    // The common form written by this program: yyyy-MM-ddTHH:mm:ssZ.
    if (text.size() == 20 && text[10] == u'T' && text[19] == u'Z' && text[13] == u':'
        && text[16] == u':') {
        const QDate date = parseIsoDate(text.first(10));
        const int h = digits(text, 11, 2);
        const int mi = digits(text, 14, 2);
        const int s = digits(text, 17, 2);
        if (date.isValid() && h >= 0 && mi >= 0 && s >= 0) {
            const QTime time(h, mi, s);
            if (time.isValid())
                return QDateTime(date, time, Qt::UTC);
        }
    }
    if (text.isEmpty())
        return QDateTime();
    return QDateTime::fromString(text.toString(), Qt::ISODate);
}

std::optional<QDateTime> parseOptionalDateTime(QStringView text)
{
    if (text.isEmpty())
        return std::nullopt;
    return parseIsoDateTime(text);
}

std::optional<QDate> parseOptionalDate(QStringView text)
{
    if (text.isEmpty())
        return std::nullopt;
    return parseIsoDate(text);
}

QSqlQuery prepare(QSqlDatabase *db, const QString &sql, const QVariantList &values)
{
    QSqlQuery query(*db);
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query;
}

bool exec(QSqlQuery &query, const char *operation)
{
    if (query.exec())
        return true;
    if (operation)
        qWarning().noquote() << operation << "failed:" << query.lastError().text();
    return false;
}

} // namespace SqlValues
