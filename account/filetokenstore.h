#pragma once

#include "account/tokenstore.h"

namespace LumoAccount {

// Keeps each secret in its own owner-only file under
// "<config location>/Lumora/<service name>/".
class FileTokenStore : public TokenStore
{
public:
    // An empty base directory means the user's config location.
    explicit FileTokenStore(const QString &serviceName, const QString &baseDirectory = QString());

    std::optional<QString> read(const QString &key) override;
    bool write(const QString &key, const QString &value) override;
    bool remove(const QString &key) override;
    void clear() override;

    QString directory() const { return m_directory; }

private:
    QString filePath(const QString &key) const;
    bool ensureDirectory() const;

    QString m_directory;
};

} // namespace LumoAccount
