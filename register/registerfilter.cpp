#include "register/registerfilter.h"

#include <QJsonDocument>
#include <QJsonObject>

int RegisterFilter::activeCount() const
{
    return (cleared.has_value() ? 1 : 0) + (dateFrom.isValid() || dateTo.isValid() ? 1 : 0)
        + (categoryId.isEmpty() ? 0 : 1);
}

bool RegisterFilter::matches(const Transaction &transaction) const
{
    if (cleared.has_value() && *cleared != transaction.cleared)
        return false;
    if (dateFrom.isValid() && dateFrom > transaction.date)
        return false;
    if (dateTo.isValid() && dateTo < transaction.date)
        return false;
    return categoryId.isEmpty() || categoryId == transaction.categoryId;
}

QString RegisterFilter::toJson() const
{
    QJsonObject object;
    if (cleared.has_value())
        object.insert(QStringLiteral("cleared"), *cleared);
    if (dateFrom.isValid())
        object.insert(QStringLiteral("dateFrom"), dateFrom.toString(Qt::ISODate));
    if (dateTo.isValid())
        object.insert(QStringLiteral("dateTo"), dateTo.toString(Qt::ISODate));
    if (!categoryId.isEmpty())
        object.insert(QStringLiteral("categoryId"), categoryId);
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

RegisterFilter RegisterFilter::fromJson(const QString &text)
{
    RegisterFilter filter;
    if (text.isEmpty())
        return filter;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
    if (!document.isObject())
        return filter;
    const QJsonObject object = document.object();
    const QJsonValue cleared = object.value(QStringLiteral("cleared"));
    if (cleared.isBool())
        filter.cleared = cleared.toBool();
    const QJsonValue from = object.value(QStringLiteral("dateFrom"));
    if (from.isString())
        filter.dateFrom = QDate::fromString(from.toString(), Qt::ISODate);
    const QJsonValue to = object.value(QStringLiteral("dateTo"));
    if (to.isString())
        filter.dateTo = QDate::fromString(to.toString(), Qt::ISODate);
    const QJsonValue category = object.value(QStringLiteral("categoryId"));
    if (category.isString())
        filter.categoryId = category.toString();
    return filter;
}

QString RegisterFilter::preferenceKey(const QString &accountId)
{
    return QStringLiteral("registerFilter_%1").arg(accountId);
}
