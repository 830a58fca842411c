#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QUrl>

namespace LumoUpdate {

// One platform's newest build as the release feed lists it.
struct Artifact
{
    QString version;
    QDateTime releasedAt;
    QUrl url;
    qint64 size = -1;
    QString sha256;
    bool mandatory = false;
    QString minUpgradableFrom;
    QUrl releaseNotesUrl;

    bool isValid() const;
};

} // namespace LumoUpdate

Q_DECLARE_METATYPE(LumoUpdate::Artifact)
