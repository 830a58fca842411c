#include "update/updateflows.h"

#include "update/client.h"
#include "update/releasenotesfetcher.h"
#include "update/updatedialog.h"
#include "update/whatsnewdialog.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace LumoUpdate {

namespace {

constexpr int kMessageMs = 5000;

void reportProgress(const StatusCallbacks &callbacks, const QString &text)
{
    if (callbacks.progress)
        callbacks.progress(text);
}

void reportFinished(const StatusCallbacks &callbacks)
{
    if (callbacks.finished)
        callbacks.finished();
}

void reportMessage(const StatusCallbacks &callbacks, const QString &text)
{
    if (callbacks.message)
        callbacks.message(text, kMessageMs);
}

void openWhatsNewDialog(const QString &markdown, const QString &shownVersion, const QString &runningVersion,
                        const QString &appDisplayName, QWidget *parent, const QUrl &downloadUrl = QUrl())
{
    auto *dialog = new WhatsNewDialog(markdown, shownVersion, runningVersion, appDisplayName, parent,
                                      downloadUrl);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void reportNoNotes(const UpdateConfig &config, const QString &appDisplayName,
                   const StatusCallbacks &callbacks)
{
    reportFinished(callbacks);
    reportMessage(callbacks, QObject::tr("No release notes available for %1 %2")
                                 .arg(appDisplayName, config.currentVersion));
}

// The menu flow's second chance: notes of a newer build in the feed.
void showNewerBuildNotes(const UpdateConfig &config, const QString &appDisplayName,
                         QPointer<QWidget> parent, const StatusCallbacks &callbacks)
{
    auto *client = new Client(config, QCoreApplication::instance());
    QObject::connect(client, &Client::updateAvailable, client, [=](const Artifact &artifact) {
        if (!artifact.releaseNotesUrl.isValid()) {
            reportNoNotes(config, appDisplayName, callbacks);
            client->deleteLater();
            return;
        }
        auto *fetcher = new ReleaseNotesFetcher(artifact.releaseNotesUrl, config.appId,
                                                QCoreApplication::instance());
        fetcher->setTransferTimeout(config.transferTimeoutMs);
        QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher, [=](const QString &markdown) {
            reportFinished(callbacks);
            if (parent)
                openWhatsNewDialog(markdown, artifact.version, config.currentVersion, appDisplayName,
                                   parent, artifact.url);
            fetcher->deleteLater();
            client->deleteLater();
        });
        QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher, [=] {
            reportNoNotes(config, appDisplayName, callbacks);
            fetcher->deleteLater();
            client->deleteLater();
        });
        fetcher->fetch();
    });
    QObject::connect(client, &Client::upToDate, client, [=] {
        reportNoNotes(config, appDisplayName, callbacks);
        client->deleteLater();
    });
    QObject::connect(client, &Client::checkFailed, client, [=](const QString &) {
        reportNoNotes(config, appDisplayName, callbacks);
        client->deleteLater();
    });
    client->check();
}

} // namespace

void showWhatsNew(const UpdateConfig &config, const QString &appDisplayName, QWidget *parent)
{
    auto *fetcher = new ReleaseNotesFetcher(config, QCoreApplication::instance());
    const QPointer<QWidget> guardedParent(parent);
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher, [=](const QString &markdown) {
        if (guardedParent)
            openWhatsNewDialog(markdown, config.currentVersion, config.currentVersion, appDisplayName,
                               guardedParent);
        fetcher->deleteLater();
    });
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher,
                     [fetcher] { fetcher->deleteLater(); });
    fetcher->fetch();
}

void checkForUpdatesInteractive(const UpdateConfig &config, const QString &appDisplayName,
                                QWidget *parent, const StatusCallbacks &callbacks)
{
    auto *client = new Client(config, QCoreApplication::instance());
    const QPointer<QWidget> guardedParent(parent);
    reportProgress(callbacks, QObject::tr("Checking for updates…"));

    QObject::connect(client, &Client::updateAvailable, client, [=](const Artifact &artifact) {
        reportFinished(callbacks);
        if (guardedParent) {
            auto *dialog = new UpdateDialog(artifact, config.currentVersion, appDisplayName, guardedParent);
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            dialog->show();
        }
        client->deleteLater();
    });
    QObject::connect(client, &Client::upToDate, client, [=] {
        reportFinished(callbacks);
        reportMessage(callbacks, QObject::tr("%1 is up to date (version %2)")
                                     .arg(appDisplayName, config.currentVersion));
        client->deleteLater();
    });
    QObject::connect(client, &Client::checkFailed, client, [=](const QString &reason) {
        reportFinished(callbacks);
        reportMessage(callbacks, QObject::tr("Update check failed: %1").arg(reason));
        client->deleteLater();
    });
    client->check();
}

void showWhatsNewFromMenu(const UpdateConfig &config, const QString &appDisplayName, QWidget *parent,
                          const StatusCallbacks &callbacks)
{
    reportProgress(callbacks, QObject::tr("Loading release notes…"));
    auto *fetcher = new ReleaseNotesFetcher(config, QCoreApplication::instance());
    const QPointer<QWidget> guardedParent(parent);
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher, [=](const QString &markdown) {
        reportFinished(callbacks);
        if (guardedParent)
            openWhatsNewDialog(markdown, config.currentVersion, config.currentVersion, appDisplayName,
                               guardedParent);
        fetcher->deleteLater();
    });
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher, [=] {
        fetcher->deleteLater();
        showNewerBuildNotes(config, appDisplayName, guardedParent, callbacks);
    });
    fetcher->fetch();
}

} // namespace LumoUpdate
