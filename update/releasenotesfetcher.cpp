#include "update/releasenotesfetcher.h"

#include "update/client.h"

#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace LumoUpdate {

QUrl releaseNotesUrl(const UpdateConfig &config, const QString &version)
{
    QUrl url = config.manifestBaseUrl;
    QString path = url.path(QUrl::FullyDecoded);
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    path.truncate(path.lastIndexOf(QLatin1Char('/')) + 1);
    url.setPath(path + version + QStringLiteral("/release-notes.md"), QUrl::DecodedMode);
    url.setFragment(QString());
    return url;
}

QUrl localizedNotesUrl(const QUrl &notesUrl, const QString &localeName)
{
    const QString language = localeName.left(2);
    // The "C" locale is untranslated, that is English.
    if (language.isEmpty() || language == QLatin1String("en") || localeName == QLatin1String("C"))
        return {};
    QUrl url = notesUrl;
    QString path = url.path(QUrl::FullyDecoded);
    if (path.endsWith(QLatin1String(".md"))) {
        path.insert(path.size() - 3, QLatin1Char('.') + language);
        url.setPath(path, QUrl::DecodedMode);
    }
    return url;
}

ReleaseNotesFetcher::ReleaseNotesFetcher(const UpdateConfig &config, QObject *parent)
    : ReleaseNotesFetcher(releaseNotesUrl(config, config.currentVersion), config.appId, parent)
{
    m_transferTimeoutMs = config.transferTimeoutMs;
}

ReleaseNotesFetcher::ReleaseNotesFetcher(const QUrl &notesUrl, const QString &appId, QObject *parent)
    : QObject(parent)
    , m_appId(appId)
    , m_network(new QNetworkAccessManager(this))
    , m_defaultUrl(notesUrl)
    , m_localizedUrl(localizedNotesUrl(notesUrl, QLocale().name()))
{
}

ReleaseNotesFetcher::~ReleaseNotesFetcher() = default;

void ReleaseNotesFetcher::fetch()
{
    QNetworkReply *reply = m_localizedUrl.isValid() ? get(m_localizedUrl) : nullptr;
    if (!reply) {
        fetchDefault();
        return;
    }
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        const QString notes = notesFrom(reply);
        if (notes.isEmpty())
            fetchDefault();
        else
            Q_EMIT notesReady(notes);
    });
}

void ReleaseNotesFetcher::fetchDefault()
{
    QNetworkReply *reply = get(m_defaultUrl);
    if (!reply) {
        // Still answered from the event loop, like every other outcome.
        QMetaObject::invokeMethod(this, &ReleaseNotesFetcher::notesUnavailable, Qt::QueuedConnection);
        return;
    }
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        const QString notes = notesFrom(reply);
        if (notes.isEmpty())
            Q_EMIT notesUnavailable();
        else
            Q_EMIT notesReady(notes);
    });
}

QNetworkReply *ReleaseNotesFetcher::get(const QUrl &url)
{
    if (!isWebAddress(url))
        return nullptr;
    return m_network->get(makeRequest(url, m_appId, m_transferTimeoutMs));
}

QString ReleaseNotesFetcher::notesFrom(QNetworkReply *reply)
{
    if (reply->error() != QNetworkReply::NoError)
        return {};
    return QString::fromUtf8(reply->readAll()).trimmed();
}

} // namespace LumoUpdate
