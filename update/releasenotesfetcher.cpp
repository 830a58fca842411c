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
    if (language.isEmpty() || language == QLatin1String("en"))
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
    if (!m_localizedUrl.isValid()) {
        fetchDefault();
        return;
    }
    QNetworkReply *reply = m_network->get(makeRequest(m_localizedUrl, m_appId));
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
    QNetworkReply *reply = m_network->get(makeRequest(m_defaultUrl, m_appId));
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        const QString notes = notesFrom(reply);
        if (notes.isEmpty())
            Q_EMIT notesUnavailable();
        else
            Q_EMIT notesReady(notes);
    });
}

QString ReleaseNotesFetcher::notesFrom(QNetworkReply *reply)
{
    if (reply->error() != QNetworkReply::NoError)
        return {};
    return QString::fromUtf8(reply->readAll()).trimmed();
}

} // namespace LumoUpdate
