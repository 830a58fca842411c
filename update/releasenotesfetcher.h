#pragma once

#include "update/updateconfig.h"

#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace LumoUpdate {

// The notes file of a version, published beside the feed's channel folder:
// <base>/../<version>/release-notes.md.
QUrl releaseNotesUrl(const UpdateConfig &config, const QString &version);
// The variant in the given language ("de" gives release-notes.de.md);
// invalid when there is none to try (no language, English, the "C" locale).
QUrl localizedNotesUrl(const QUrl &notesUrl, const QString &localeName);

// Downloads one version's release notes, the system language's variant
// first, and answers with exactly one signal per fetch.
class ReleaseNotesFetcher : public QObject
{
    Q_OBJECT

public:
    ReleaseNotesFetcher(const UpdateConfig &config, QObject *parent = nullptr);
    ReleaseNotesFetcher(const QUrl &notesUrl, const QString &appId, QObject *parent = nullptr);
    ~ReleaseNotesFetcher() override;

    void fetch();
    void setTransferTimeout(int milliseconds) { m_transferTimeoutMs = milliseconds; }

    QUrl defaultUrl() const { return m_defaultUrl; }
    QUrl localizedUrl() const { return m_localizedUrl; }

Q_SIGNALS:
    void notesReady(const QString &markdown);
    void notesUnavailable();

private:
    void fetchDefault();
    // Only web addresses are fetched: a notes address from a feed must not
    // read a local file or a resource into the notes view.
    QNetworkReply *get(const QUrl &url);
    // The trimmed body of a good reply; empty for an error or a blank file.
    static QString notesFrom(QNetworkReply *reply);

    QString m_appId;
    QNetworkAccessManager *m_network;
    QUrl m_defaultUrl;
    QUrl m_localizedUrl;
    int m_transferTimeoutMs = UpdateConfig::DefaultTransferTimeoutMs;
};

} // namespace LumoUpdate
