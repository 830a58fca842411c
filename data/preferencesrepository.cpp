#include "data/preferencesrepository.h"

#include "data/database.h"
#include "data/sqlvalues.h"

#include <QSqlQuery>

using namespace SqlValues;

PreferencesRepository::PreferencesRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{
}

std::optional<QString> PreferencesRepository::get(const QString &key) const
{
    QSqlQuery query = prepare(m_database->db(), QStringLiteral("SELECT value FROM preferences WHERE key = ?"), {key});
    if (!exec(query) || !query.next())
        return std::nullopt;
    const QString value = query.value(0).toString();
    return value.isNull() ? QString(QLatin1String("")) : value;
}

QString PreferencesRepository::value(const QString &key, const QString &defaultValue) const
{
    return get(key).value_or(defaultValue);
}

bool PreferencesRepository::boolValue(const QString &key, bool defaultValue) const
{
    const auto stored = get(key);
    if (!stored)
        return defaultValue;
    return *stored == QLatin1String("1") || *stored == QLatin1String("true");
}

bool PreferencesRepository::set(const QString &key, const QString &value)
{
    QSqlQuery query = prepare(m_database->db(),
                              QStringLiteral("INSERT INTO preferences (key, value) VALUES (?, ?) ON CONFLICT(key) "
                                             "DO UPDATE SET value = excluded.value"),
                              {sqlText(key), sqlText(value)});
    if (!exec(query))
        return false;
    m_database->announceChange(this, key, [this, key] { Q_EMIT changed(key); });
    return true;
}

void PreferencesRepository::setBool(const QString &key, bool value)
{
    set(key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void PreferencesRepository::setInt(const QString &key, int value)
{
    set(key, QString::number(value));
}

bool PreferencesRepository::remove(const QString &key)
{
    QSqlQuery query = prepare(m_database->db(), QStringLiteral("DELETE FROM preferences WHERE key = ?"), {key});
    return exec(query);
}
