#include "data/sqlvalues.h"

#include <QDebug>
#include <QSqlError>
#include <QTimeZone>

namespace SqlValues {

namespace {

char16_t unitAt(QStringView text, qsizetype i)
{
    return text[i].unicode();
}

char16_t unitAt(QByteArrayView text, qsizetype i)
{
    return char16_t(uchar(text[i]));
}

template<typename Text>
int digits(Text text, qsizetype from, qsizetype count)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char16_t c = unitAt(text, i);
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

// yyyy-MM-dd; nullopt for any other form.
template<typename Text>
std::optional<QDate> fastIsoDate(Text text)
{
    if (text.size() != 10 || unitAt(text, 4) != u'-' || unitAt(text, 7) != u'-')
        return std::nullopt;
    const int y = digits(text, 0, 4);
    const int m = digits(text, 5, 2);
    const int d = digits(text, 8, 2);
    if (y < 0 || m < 0 || d < 0)
        return std::nullopt;
    return QDate(y, m, d);
}

// The common form written by this program, yyyy-MM-ddTHH:mm:ssZ; nullopt
// for any other form.
template<typename Text>
std::optional<QDateTime> fastIsoDateTime(Text text)
{
    if (text.size() != 20 || unitAt(text, 10) != u'T' || unitAt(text, 19) != u'Z' || unitAt(text, 13) != u':'
        || unitAt(text, 16) != u':')
        return std::nullopt;
    const std::optional<QDate> date = fastIsoDate(text.first(10));
    const int h = digits(text, 11, 2);
    const int mi = digits(text, 14, 2);
    const int s = digits(text, 17, 2);
    if (!date || !date->isValid() || h < 0 || mi < 0 || s < 0)
        return std::nullopt;
    const QTime time(h, mi, s);
    if (!time.isValid())
        return std::nullopt;
    return QDateTime(*date, time, Qt::UTC);
}

} // namespace

QString isoDate(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString(QLatin1String(""));
}

QString isoDateTime(const QDateTime &time)
{
    // One form for every stored stamp, so that text order is time order:
    // UTC, whole seconds (what the sync service carries), "Z".
    return time.isValid() ? time.toUTC().toString(Qt::ISODate) : QString(QLatin1String(""));
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
    if (const std::optional<QDate> date = fastIsoDate(text))
        return *date;
    if (text.isEmpty())
        return QDate();
    return QDate::fromString(text.toString(), Qt::ISODate);
}

QDateTime parseIsoDateTime(QStringView text)
{
    if (std::optional<QDateTime> time = fastIsoDateTime(text))
        return *std::move(time);
    if (text.isEmpty())
        return QDateTime();
    return QDateTime::fromString(text.toString(), Qt::ISODate);
}

QDate parseIsoDate(QByteArrayView utf8)
{
    if (const std::optional<QDate> date = fastIsoDate(utf8))
        return *date;
    return parseIsoDate(QString::fromUtf8(utf8));
}

QDateTime parseIsoDateTime(QByteArrayView utf8)
{
    if (std::optional<QDateTime> time = fastIsoDateTime(utf8))
        return *std::move(time);
    return parseIsoDateTime(QString::fromUtf8(utf8));
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
