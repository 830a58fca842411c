#pragma once

#include "update/artifact.h"

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace LumoUpdate {

// The release feed document: the newest build per platform key.
struct Manifest
{
    int schema = 0;
    QString app;
    QString channel;
    QHash<QString, Artifact> artifacts;

    bool isValid() const;
    std::optional<Artifact> artifactFor(const QString &platformKey) const;
};

// Each parser keeps the first error it meets in *error (when given).
Manifest parseManifest(const QByteArray &json, QString *error = nullptr);
Artifact parseArtifact(const QJsonObject &object, const QString &platformKey,
                       QString *error = nullptr);
QString requireString(const QJsonObject &object, const QString &key, QString *error = nullptr);

} // namespace LumoUpdate
