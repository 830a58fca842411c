#pragma once

#include "account/tokenstore.h"

#include <QHash>
#include <QString>

#include <memory>

// A token store in memory whose contents stay readable after the client that
// owns the store is gone: tests keep the shared map.
class MemoryTokenStore : public LumoAccount::TokenStore
{
public:
    using Map = QHash<QString, QString>;

    explicit MemoryTokenStore(std::shared_ptr<Map> values = std::make_shared<Map>())
        : m_values(std::move(values))
    {
    }

    std::optional<QString> read(const QString &key) override
    {
        if (!m_values->contains(key))
            return std::nullopt;
        return m_values->value(key);
    }
    bool write(const QString &key, const QString &value) override
    {
        m_values->insert(key, value);
        return true;
    }
    bool remove(const QString &key) override { return m_values->remove(key) > 0; }
    void clear() override
    {
        remove(QLatin1String(LumoAccount::AccessTokenKey));
        remove(QLatin1String(LumoAccount::RefreshTokenKey));
    }

    std::shared_ptr<Map> values() const { return m_values; }

private:
    std::shared_ptr<Map> m_values;
};
