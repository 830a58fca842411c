#include "update/client.h"

#include "update/manifest.h"
#include "update/version.h"

#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSysInfo>

Q_LOGGING_CATEGORY(lcUpdateClient, "lumoupdate.client")

namespace LumoUpdate {

QString platformKey(const QString &kernelType, const QString &cpuArchitecture)
{
    if (cpuArchitecture != QLatin1String("x86_64"))
        return {};
    if (kernelType == QLatin1String("linux"))
        return QStringLiteral("linux-x64");
    if (kernelType == QLatin1String("winnt"))
        return QStringLiteral("windows-x64");
    return {};
}

QString currentPlatformKey()
{
    return platformKey(QSysInfo::kernelType(), QSysInfo::currentCpuArchitecture());
}

QNetworkRequest makeRequest(const QUrl &url, const QString &appId, int transferTimeoutMs)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("LumoUpdateQt/0.1 (%1)").arg(appId));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(transferTimeoutMs);
    return request;
}

Client::Client(const UpdateConfig &config, QObject *parent)
    : QObject(parent)
    , m_config(config)
    , m_network(new QNetworkAccessManager(this))
{
    connect(m_network, &QNetworkAccessManager::finished, this, &Client::onReplyFinished);
}

Client::~Client() = default;

QUrl Client::manifestUrl() const
{
    QUrl url = m_config.manifestBaseUrl;
    QString path = url.path(QUrl::FullyDecoded);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    url.setPath(path + QStringLiteral("latest.json"), QUrl::DecodedMode);
    return url;
}

void Client::check()
{
    if (m_inFlight) {
        qCDebug(lcUpdateClient) << "check already in flight, ignoring";
        return;
    }
    if (!m_config.manifestBaseUrl.isValid()) {
        Q_EMIT checkFailed(QStringLiteral("manifestBaseUrl is not valid"));
        return;
    }
    if (m_config.currentVersion.isEmpty()) {
        Q_EMIT checkFailed(QStringLiteral("currentVersion is empty"));
        return;
    }
    m_inFlight = true;
    m_network->get(makeRequest(manifestUrl(), m_config.appId, m_config.transferTimeoutMs));
}

void Client::onReplyFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    m_inFlight = false;

    if (reply->error() != QNetworkReply::NoError) {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() == QNetworkReply::ContentNotFoundError || status == 404) {
            qCInfo(lcUpdateClient) << "manifest 404, treating as up-to-date";
            Q_EMIT upToDate();
        } else {
            Q_EMIT checkFailed(tr("network error: %1").arg(reply->errorString()));
        }
        return;
    }
    judgeManifest(reply->readAll());
}

void Client::judgeManifest(const QByteArray &body)
{
    QString error;
    const Manifest manifest = parseManifest(body, &error);
    if (!manifest.isValid()) {
        Q_EMIT checkFailed(tr("manifest invalid: %1").arg(error));
        return;
    }

    const QString platform = currentPlatformKey();
    if (platform.isEmpty()) {
        qCWarning(lcUpdateClient) << "unknown platform, skipping update check";
        Q_EMIT upToDate();
        return;
    }
    const std::optional<Artifact> artifact = manifest.artifactFor(platform);
    if (!artifact) {
        qCInfo(lcUpdateClient).noquote() << "platform" << platform << "not shipped in current manifest";
        Q_EMIT upToDate();
        return;
    }

    const Version current = Version::parse(m_config.currentVersion);
    if (!(current < Version::parse(artifact->version))) {
        Q_EMIT upToDate();
        return;
    }
    if (!artifact->minUpgradableFrom.isEmpty()
        && current < Version::parse(artifact->minUpgradableFrom)) {
        Q_EMIT checkFailed(QStringLiteral("current version %1 is older than min_upgradable_from %2; "
                                          "please upgrade to an intermediate release first")
                               .arg(m_config.currentVersion, artifact->minUpgradableFrom));
        return;
    }
    Q_EMIT updateAvailable(*artifact);
}

} // namespace LumoUpdate
