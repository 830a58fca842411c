#pragma once

#include "update/artifact.h"
#include "update/updateconfig.h"

#include <QNetworkRequest>
#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace LumoUpdate {

// The release feed's key for a system, from QSysInfo's kernel type and
// processor ("linux-x64", "windows-x64"); empty where no build is published.
QString platformKey(const QString &kernelType, const QString &cpuArchitecture);
// The key of the system the program runs on.
QString currentPlatformKey();

// A feed or notes request: our User-Agent, no redirect to a less safe
// scheme, and the transfer time-out.
QNetworkRequest makeRequest(const QUrl &url, const QString &appId,
                            int transferTimeoutMs = UpdateConfig::DefaultTransferTimeoutMs);

// Asks the release feed once per check whether a newer build exists and
// answers with exactly one of the three signals.
class Client : public QObject
{
    Q_OBJECT

public:
    explicit Client(const UpdateConfig &config, QObject *parent = nullptr);
    ~Client() override;

    void check();
    QUrl manifestUrl() const;

Q_SIGNALS:
    void updateAvailable(const LumoUpdate::Artifact &artifact);
    void upToDate();
    void checkFailed(const QString &reason);

private:
    void onReplyFinished(QNetworkReply *reply);
    void judgeManifest(const QByteArray &body);

    UpdateConfig m_config;
    QNetworkAccessManager *m_network;
    bool m_inFlight = false;
};

} // namespace LumoUpdate
