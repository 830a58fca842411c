#pragma once

#include <QObject>
#include <QString>

#include <optional>

class Database;

class PreferencesRepository : public QObject
{
    Q_OBJECT

public:
    explicit PreferencesRepository(Database *database, QObject *parent = nullptr);

    std::optional<QString> get(const QString &key) const;
    QString value(const QString &key, const QString &defaultValue = QString()) const;
    bool boolValue(const QString &key, bool defaultValue) const;
    bool set(const QString &key, const QString &value);
    void setBool(const QString &key, bool value);
    void setInt(const QString &key, int value);
    bool remove(const QString &key);

Q_SIGNALS:
    void changed(const QString &key);

private:
    Database *m_database;
};
