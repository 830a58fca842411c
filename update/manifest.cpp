#include "update/manifest.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>

namespace LumoUpdate {

namespace {

void setErrorOnce(QString *error, const QString &text)
{
    if (error && error->isEmpty())
        *error = text;
}

} // namespace

bool Manifest::isValid() const
{
    return schema == 1 && !app.isEmpty() && !channel.isEmpty() && !artifacts.isEmpty();
}

std::optional<Artifact> Manifest::artifactFor(const QString &platformKey) const
{
    const auto it = artifacts.constFind(platformKey);
    if (it == artifacts.constEnd())
        return std::nullopt;
    return *it;
}

QString requireString(const QJsonObject &object, const QString &key, QString *error)
{
    const QJsonValue value = object.value(key);
    if (value.isString())
        return value.toString();
    setErrorOnce(error, QStringLiteral("missing or non-string field: %1").arg(key));
    return {};
}

Artifact parseArtifact(const QJsonObject &object, const QString &platformKey, QString *error)
{
    QString localError;
    QString *err = error ? error : &localError;

    Artifact artifact;
    artifact.version = requireString(object, QStringLiteral("version"), err);
    artifact.releasedAt = QDateTime::fromString(requireString(object, QStringLiteral("released_at"), err),
                                                Qt::ISODate);
    artifact.url = QUrl(requireString(object, QStringLiteral("url"), err), QUrl::TolerantMode);
    // Truncating a double outside the 64-bit range is undefined: such a
    // size reads as none.
    const double size = object.value(QStringLiteral("size")).toDouble(-1);
    constexpr double kTwoToThe63 = 9223372036854775808.0;
    artifact.size = size > -kTwoToThe63 && size < kTwoToThe63 ? qint64(size) : -1;
    artifact.sha256 = requireString(object, QStringLiteral("sha256"), err);
    artifact.mandatory = object.value(QStringLiteral("mandatory")).toBool(false);
    const QJsonValue minimum = object.value(QStringLiteral("min_upgradable_from"));
    if (minimum.isString())
        artifact.minUpgradableFrom = minimum.toString();
    const QJsonValue notes = object.value(QStringLiteral("release_notes_url"));
    if (notes.isString() && !notes.toString().isEmpty())
        artifact.releaseNotesUrl = QUrl(notes.toString(), QUrl::TolerantMode);

    if (err->isEmpty() && !artifact.isValid())
        *err = QStringLiteral("artifact %1 failed validation").arg(platformKey);
    return artifact;
}

Manifest parseManifest(const QByteArray &json, QString *error)
{
    QString localError;
    QString *err = error ? error : &localError;
    err->clear();

    Manifest manifest;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *err = QStringLiteral("JSON parse error: %1").arg(parseError.errorString());
        return manifest;
    }
    if (!document.isObject()) {
        *err = QStringLiteral("manifest root is not a JSON object");
        return manifest;
    }
    const QJsonObject root = document.object();

    const QJsonValue schema = root.value(QStringLiteral("schema"));
    if (!schema.isDouble()) {
        *err = QStringLiteral("missing or non-integer field: schema");
        return manifest;
    }
    manifest.schema = schema.toInt();
    if (manifest.schema != 1) {
        *err = QStringLiteral("unsupported manifest schema: %1 (expected %2)").arg(manifest.schema).arg(1);
        return manifest;
    }

    manifest.app = requireString(root, QStringLiteral("app"), err);
    manifest.channel = requireString(root, QStringLiteral("channel"), err);
    if (!err->isEmpty())
        return manifest;

    const QJsonValue artifacts = root.value(QStringLiteral("artifacts"));
    if (!artifacts.isObject()) {
        *err = QStringLiteral("missing or non-object field: artifacts");
        return manifest;
    }
    const QJsonObject members = artifacts.toObject();
    for (auto it = members.constBegin(); it != members.constEnd(); ++it) {
        if (!it.value().isObject()) {
            *err = QStringLiteral("artifact %1 is not an object").arg(it.key());
            return manifest;
        }
        const Artifact artifact = parseArtifact(it.value().toObject(), it.key(), err);
        if (!err->isEmpty())
            return manifest;
        manifest.artifacts.insert(it.key(), artifact);
    }

    if (!manifest.isValid())
        *err = QStringLiteral("manifest failed validation");
    return manifest;
}

} // namespace LumoUpdate
