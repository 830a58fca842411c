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

// http or https: the only addresses from a feed or from release notes that
// the program fetches or hands to the browser.
bool isWebAddress(const QUrl &url);

} // namespace LumoUpdate

Q_DECLARE_METATYPE(LumoUpdate::Artifact)
