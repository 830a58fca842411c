#include "support/testmain.h"

#include "feedfiles.h"

#include "account/browser.h"
#include "ui/browserfailuredialog.h"
#include "update/client.h"
#include "update/updatedialog.h"
#include "update/updateflows.h"
#include "update/whatsnewdialog.h"

#include <QDesktopServices>
#include <QScopeGuard>
#include <QDialogButtonBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>

using namespace LumoUpdate;

namespace {

const QString kAppName = QStringLiteral("Lumora Tallyra");

QStringList buttonTexts(const QWidget *dialog)
{
    QStringList texts;
    const auto buttons = dialog->findChild<QDialogButtonBox *>()->buttons();
    for (const QAbstractButton *button : buttons)
        texts << button->text();
    texts.sort();
    return texts;
}

QAbstractButton *buttonWithText(const QWidget *dialog, const QString &text)
{
    const auto buttons = dialog->findChild<QDialogButtonBox *>()->buttons();
    for (QAbstractButton *button : buttons) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

bool hasLabel(const QWidget *dialog, const QString &text)
{
    const auto labels = dialog->findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        if (label->text() == text)
            return true;
    }
    return false;
}

} // namespace

// Receives what the program hands to the system browser.
class BrowserCapture : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void openUrl(const QUrl &url) { opened << url; }
};

// Collects what a menu flow reports through its callbacks.
struct StatusLog
{
    QStringList events;

    StatusCallbacks callbacks()
    {
        return {[this](const QString &text) { events << QStringLiteral("progress:") + text; },
                [this] { events << QStringLiteral("finished"); },
                [this](const QString &text, int ms) {
                    events << QStringLiteral("message:%1:%2").arg(text).arg(ms);
                }};
    }
};

class UpdateDialogsTest : public QObject
{
    Q_OBJECT

private:
    FakeServer *m_server = nullptr;
    BrowserCapture *m_browser = nullptr;

    UpdateConfig config() const
    {
        return {QStringLiteral("tallyra"), QStringLiteral("stable"), m_server->url(QStringLiteral("/tallyra/stable/")),
                QStringLiteral("1.1.7")};
    }

    Artifact artifact(bool mandatory, const QUrl &notes = QUrl()) const
    {
        Artifact offered;
        offered.version = QStringLiteral("1.2.0");
        offered.releasedAt = QDateTime::currentDateTimeUtc();
        offered.url = QUrl(QStringLiteral("https://downloads.example.invalid/tallyra-1.2.0.exe"));
        offered.size = 10;
        offered.sha256 = QString(64, QLatin1Char('0'));
        offered.mandatory = mandatory;
        offered.releaseNotesUrl = notes;
        return offered;
    }

    void serveFeedOffering(const QString &version, const QUrl &notes = QUrl())
    {
        QJsonObject entry{
            {QStringLiteral("version"), version},
            {QStringLiteral("released_at"), QStringLiteral("2026-11-02T10:00:00Z")},
            {QStringLiteral("url"), QStringLiteral("https://downloads.example.invalid/tallyra-%1.exe").arg(version)},
            {QStringLiteral("size"), 1000},
            {QStringLiteral("sha256"), QString(64, QLatin1Char('b'))},
        };
        if (notes.isValid())
            entry[QStringLiteral("release_notes_url")] = notes.toString();
        const QJsonObject feed{{QStringLiteral("schema"), 1},
                               {QStringLiteral("app"), QStringLiteral("tallyra")},
                               {QStringLiteral("channel"), QStringLiteral("stable")},
                               {QStringLiteral("artifacts"), QJsonObject{{currentPlatformKey(), entry}}}};
        serveFile(*m_server, QStringLiteral("/tallyra/stable/latest.json"), QJsonDocument(feed).toJson());
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Only the default notes file is asked for.
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    }

    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }

    void init()
    {
        m_server = new FakeServer(this);
        QVERIFY(m_server->start());
        m_browser = new BrowserCapture;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), m_browser, "openUrl");
    }

    void cleanup()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        delete m_browser;
        delete m_server;
    }

    void mandatoryUpdateOffersNoLater_data()
    {
        QTest::addColumn<bool>("mandatory");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("optional") << false << QStringList{QStringLiteral("Download"), QStringLiteral("Later")};
        QTest::newRow("mandatory") << true << QStringList{QStringLiteral("Download")};
    }

    void mandatoryUpdateOffersNoLater()
    {
        QFETCH(bool, mandatory);
        QFETCH(QStringList, buttons);
        UpdateDialog dialog(artifact(mandatory), QStringLiteral("1.1.7"), kAppName);
        QCOMPARE(buttonTexts(&dialog), buttons);
        QVERIFY(dialog.isModal());
        QVERIFY(hasLabel(&dialog, QStringLiteral("A new version of Lumora Tallyra is available.")));
        QVERIFY(hasLabel(&dialog, QStringLiteral("You have version 1.1.7. The latest version is 1.2.0.")));
        // Without a notes address there is no notes view.
        QVERIFY(!dialog.findChild<QTextBrowser *>());
    }

    void downloadOpensTheBrowserAndAccepts()
    {
        UpdateDialog dialog(artifact(false), QStringLiteral("1.1.7"), kAppName);
        dialog.show();
        buttonWithText(&dialog, QStringLiteral("Download"))->click();
        QCOMPARE(m_browser->opened, QList<QUrl>{artifact(false).url});
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    }

    void downloadWithoutAddressStillCloses()
    {
        Artifact broken = artifact(false);
        broken.url = QUrl();
        UpdateDialog dialog(broken, QStringLiteral("1.1.7"), kAppName);
        QTest::ignoreMessage(QtWarningMsg, "LumoUpdate: download URL is empty or invalid");
        dialog.onDownloadClicked();
        QVERIFY(m_browser->opened.isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void notesViewShowsFetchedOrMissingNotes()
    {
        serveFile(*m_server, QStringLiteral("/notes/1.2.0.md"), "# Better search");
        UpdateDialog withNotes(artifact(false, m_server->url(QStringLiteral("/notes/1.2.0.md"))),
                               QStringLiteral("1.1.7"), kAppName);
        auto *view = withNotes.findChild<QTextBrowser *>();
        QVERIFY(view);
        QCOMPARE(view->placeholderText(), QStringLiteral("Loading release notes…"));
        QTRY_COMPARE(view->toPlainText(), QStringLiteral("Better search"));
        QCOMPARE(m_server->requests().at(0).header("user-agent"), QByteArray("LumoUpdateQt/0.1 (update-dialog)"));

        UpdateDialog withoutNotes(artifact(false, m_server->url(QStringLiteral("/notes/missing.md"))),
                                  QStringLiteral("1.1.7"), kAppName);
        auto *emptyView = withoutNotes.findChild<QTextBrowser *>();
        QTRY_COMPARE(emptyView->toPlainText(), QStringLiteral("Release notes are not available for this version."));
    }

    void interactiveCheckReportsOutcome_data()
    {
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("message");
        QTest::newRow("up to date") << "1.1.7" << "message:Lumora Tallyra is up to date (version 1.1.7):5000";
        QTest::newRow("no feed") << "" << "message:Lumora Tallyra is up to date (version 1.1.7):5000";
        QTest::newRow("broken feed") << "x" << "message:Update check failed: manifest invalid: "
                                               "manifest root is not a JSON object:5000";
    }

    void interactiveCheckReportsOutcome()
    {
        QFETCH(QString, offered);
        QFETCH(QString, message);
        if (offered == QLatin1String("x"))
            serveFile(*m_server, QStringLiteral("/tallyra/stable/latest.json"), "[]");
        else if (!offered.isEmpty())
            serveFeedOffering(offered);
        QWidget window;
        StatusLog log;
        checkForUpdatesInteractive(config(), kAppName, &window, log.callbacks());
        QCOMPARE(log.events, QStringList{QStringLiteral("progress:Checking for updates…")});
        QTRY_COMPARE(log.events.size(), 3);
        QCOMPARE(log.events.at(1), QStringLiteral("finished"));
        QCOMPARE(log.events.at(2), message);
        QVERIFY(!window.findChild<UpdateDialog *>());
    }

    void interactiveCheckEndsWhenTheFeedNeverAnswers()
    {
        FakeResponse silent;
        silent.mode = FakeResponse::Mode::NoReply;
        m_server->scriptAlways(QStringLiteral("GET"), QStringLiteral("/tallyra/stable/latest.json"), silent);
        UpdateConfig impatient = config();
        impatient.transferTimeoutMs = 200;
        QWidget window;
        StatusLog log;
        checkForUpdatesInteractive(impatient, kAppName, &window, log.callbacks());
        QTRY_COMPARE(log.events.size(), 3);
        QCOMPARE(log.events.at(1), QStringLiteral("finished"));
        QVERIFY2(log.events.at(2).startsWith(QStringLiteral("message:Update check failed: network error: ")),
                 qPrintable(log.events.at(2)));
    }

    // A feed naming a local file as the notes address gets no notes shown.
    void localFileNotesAddressIsNotRead()
    {
        QTemporaryDir dir;
        const QString secret = writeLocalFile(dir, QStringLiteral("secret.md"), "# Private diary");
        QVERIFY(!secret.isEmpty());
        serveFeedOffering(QStringLiteral("1.2.0"), QUrl::fromLocalFile(secret));
        QWidget window;
        checkForUpdatesInteractive(config(), kAppName, &window, {});
        QTRY_VERIFY(window.findChild<UpdateDialog *>());
        auto *view = window.findChild<UpdateDialog *>()->findChild<QTextBrowser *>();
        QVERIFY(view);
        QTRY_COMPARE(view->toPlainText(), QStringLiteral("Release notes are not available for this version."));
        window.findChild<UpdateDialog *>()->close();
    }

    // Links in the notes open in the browser only for web addresses; a
    // file link is not loaded into the view and a script link goes nowhere.
    void notesLinksOpenOnlyWebAddresses()
    {
        QTemporaryDir dir;
        const QString secret = writeLocalFile(dir, QStringLiteral("secret.txt"), "Private diary");
        QVERIFY(!secret.isEmpty());
        const QString markdown = QStringLiteral("# 1.2.0\n\n[script](javascript:alert(1)) [diary](%1) "
                                                "[site](https://www.example.invalid/news) [plain](http://example.invalid/)\n")
                                     .arg(QUrl::fromLocalFile(secret).toString());
        BrowserCapture other;
        for (const char *scheme : {"javascript", "file", "http"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), &other, "openUrl");
        const auto restore = qScopeGuard([] {
            for (const char *scheme : {"javascript", "file", "http"})
                QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
        });

        WhatsNewDialog whatsNew(markdown, QStringLiteral("1.2.0"), QStringLiteral("1.1.7"), kAppName);
        UpdateDialog update(artifact(false, m_server->url(QStringLiteral("/notes.md"))), QStringLiteral("1.1.7"),
                            kAppName);
        update.onNotesReady(markdown);
        for (QDialog *dialog : {static_cast<QDialog *>(&whatsNew), static_cast<QDialog *>(&update)}) {
            m_browser->opened.clear();
            other.opened.clear();
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            auto *view = dialog->findChild<QTextBrowser *>();
            const QString shown = view->toPlainText();
            view->setFocus();
            // Tab walks the links in order; Return follows the one in focus.
            for (int link = 0; link < 4; ++link) {
                QTest::keyClick(view, Qt::Key_Tab);
                QTest::keyClick(view, Qt::Key_Return);
            }
            QCOMPARE(m_browser->opened, QList<QUrl>{QUrl(QStringLiteral("https://www.example.invalid/news"))});
            QCOMPARE(other.opened, QList<QUrl>{QUrl(QStringLiteral("http://example.invalid/"))});
            QCOMPARE(view->toPlainText(), shown);
            QVERIFY(view->source().isEmpty());
            QVERIFY(!view->loadResource(QTextDocument::ImageResource, QUrl::fromLocalFile(secret)).isValid());
            dialog->hide();
        }
    }

    void aBrowserThatCannotOpenIsReportedWithTheAddress_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QUrl>("address");
        const QUrl download(QStringLiteral("https://downloads.example.invalid/tallyra-1.2.0.exe"));
        const QUrl link(QStringLiteral("https://www.example.invalid/news"));
        QTest::newRow("update download") << "update" << "Download" << download;
        QTest::newRow("update notes link") << "update" << "link" << link;
        QTest::newRow("what's new download") << "whats new" << "Download 1.2.0" << download;
        QTest::newRow("what's new notes link") << "whats new" << "link" << link;
    }

    // A page no browser opened is shown with its address, also when the
    // button that asked for it closes its dialog.
    void aBrowserThatCannotOpenIsReportedWithTheAddress()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, action);
        QFETCH(QUrl, address);
        QList<QUrl> tried;
        LumoAccount::setBrowserOpener([&tried](const QUrl &url) {
            tried.append(url);
            return false;
        });
        LumoAccount::setBrowserFailureHandler(&BrowserFailureDialog::report);
        const auto restore = qScopeGuard([] {
            LumoAccount::setBrowserOpener({});
            LumoAccount::setBrowserFailureHandler({});
        });
        const QString markdown = QStringLiteral("# 1.2.0\n\n[news](%1)\n").arg(address.toString());
        QWidget window;
        window.show();
        QDialog *shown = nullptr;
        if (dialog == QLatin1String("update")) {
            auto *update = new UpdateDialog(artifact(false, m_server->url(QStringLiteral("/notes.md"))),
                                            QStringLiteral("1.1.7"), kAppName, &window);
            update->onNotesReady(markdown);
            shown = update;
        } else {
            shown = new WhatsNewDialog(markdown, QStringLiteral("1.2.0"), QStringLiteral("1.1.7"), kAppName, &window,
                                       artifact(false).url);
        }
        shown->setAttribute(Qt::WA_DeleteOnClose);
        shown->show();
        shown->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(shown));
        QPointer<QDialog> asked(shown);

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("No browser could open")));
        if (action == QLatin1String("link")) {
            auto *view = shown->findChild<QTextBrowser *>();
            view->setFocus();
            QTest::keyClick(view, Qt::Key_Tab);
            QTest::keyClick(view, Qt::Key_Return);
        } else {
            buttonWithText(shown, action)->click();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(tried, QList<QUrl>{address});
        QCOMPARE(asked.isNull(), action != QLatin1String("link"));

        QWidget *report = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String("browserFailureDialog") && widget->isVisible())
                report = widget;
        }
        QVERIFY(report);
        QCOMPARE(QUrl(report->findChild<QLineEdit *>(QStringLiteral("addressField"))->text()), address);
        delete report;
        delete asked;
    }

    void interactiveCheckShowsDialogForNewerBuild()
    {
        serveFeedOffering(QStringLiteral("1.2.0"));
        QWidget window;
        StatusLog log;
        checkForUpdatesInteractive(config(), kAppName, &window, log.callbacks());
        QTRY_VERIFY(window.findChild<UpdateDialog *>());
        QCOMPARE(log.events, (QStringList{QStringLiteral("progress:Checking for updates…"), QStringLiteral("finished")}));
        auto *dialog = window.findChild<UpdateDialog *>();
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
        dialog->close();
    }

    void interactiveCheckWithoutCallbacksOrWindow()
    {
        serveFeedOffering(QStringLiteral("1.2.0"));
        // No callbacks: the dialog still appears.
        QWidget window;
        checkForUpdatesInteractive(config(), kAppName, &window, {});
        QTRY_VERIFY(window.findChild<UpdateDialog *>());

        // The window went away before the answer: finished, but no dialog.
        auto *gone = new QWidget;
        StatusLog log;
        checkForUpdatesInteractive(config(), kAppName, gone, log.callbacks());
        delete gone;
        QTRY_COMPARE(log.events.size(), 2);
        QCOMPARE(log.events.at(1), QStringLiteral("finished"));
        QTest::qWait(50);
        const auto dialogs = QApplication::topLevelWidgets();
        for (QWidget *widget : dialogs)
            QVERIFY(!qobject_cast<UpdateDialog *>(widget) || widget->parent());
    }

    void startupWhatsNewShowsRunningVersionNotes()
    {
        serveFile(*m_server, QStringLiteral("/tallyra/1.1.7/release-notes.md"), "# Thank you\n\nNew reports.");
        QWidget window;
        showWhatsNew(config(), kAppName, &window);
        QTRY_VERIFY(window.findChild<WhatsNewDialog *>());
        auto *dialog = window.findChild<WhatsNewDialog *>();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("What's New in Lumora Tallyra 1.1.7"));
        QVERIFY(!dialog->isModal());
        QVERIFY(hasLabel(dialog, QStringLiteral("You are running version 1.1.7")));
        QCOMPARE(buttonTexts(dialog), QStringList{QStringLiteral("Close")});
        QVERIFY(dialog->findChild<QTextBrowser *>()->toPlainText().contains(QStringLiteral("New reports.")));
    }

    void startupWhatsNewIsSilentWithoutNotes()
    {
        QWidget window;
        showWhatsNew(config(), kAppName, &window);
        QTRY_COMPARE(m_server->requests().size(), 1);
        QTest::qWait(100);
        QVERIFY(!window.findChild<WhatsNewDialog *>());
    }

    void menuWhatsNewFallsBackToNewerBuildNotes()
    {
        const QUrl notes = m_server->url(QStringLiteral("/tallyra/1.2.0/release-notes.md"));
        serveFile(*m_server, notes.path(), "# 1.2.0\n\nSplit editor.");
        serveFeedOffering(QStringLiteral("1.2.0"), notes);
        QWidget window;
        StatusLog log;
        showWhatsNewFromMenu(config(), kAppName, &window, log.callbacks());
        QCOMPARE(log.events, QStringList{QStringLiteral("progress:Loading release notes…")});
        QTRY_VERIFY(window.findChild<WhatsNewDialog *>());
        QCOMPARE(log.events.last(), QStringLiteral("finished"));

        auto *dialog = window.findChild<WhatsNewDialog *>();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("What's New in Lumora Tallyra 1.2.0"));
        QVERIFY(hasLabel(dialog, QStringLiteral("You are running version 1.1.7")));
        QCOMPARE(buttonTexts(dialog), (QStringList{QStringLiteral("Close"), QStringLiteral("Download 1.2.0")}));
        buttonWithText(dialog, QStringLiteral("Download 1.2.0"))->click();
        QCOMPARE(m_browser->opened,
                 QList<QUrl>{QUrl(QStringLiteral("https://downloads.example.invalid/tallyra-1.2.0.exe"))});
    }

    void menuWhatsNewReportsNoNotes_data()
    {
        QTest::addColumn<QString>("offered");
        QTest::addColumn<bool>("withNotesAddress");
        QTest::newRow("feed up to date") << "1.1.7" << false;
        QTest::newRow("newer build without notes address") << "1.2.0" << false;
        QTest::newRow("newer build whose notes are missing") << "1.2.0" << true;
        QTest::newRow("no feed") << "" << false;
    }

    void menuWhatsNewReportsNoNotes()
    {
        QFETCH(QString, offered);
        QFETCH(bool, withNotesAddress);
        if (!offered.isEmpty())
            serveFeedOffering(offered, withNotesAddress ? m_server->url(QStringLiteral("/gone.md")) : QUrl());
        QWidget window;
        StatusLog log;
        showWhatsNewFromMenu(config(), kAppName, &window, log.callbacks());
        QTRY_COMPARE(log.events.size(), 3);
        QCOMPARE(log.events.at(1), QStringLiteral("finished"));
        QCOMPARE(log.events.at(2), QStringLiteral("message:No release notes available for Lumora Tallyra 1.1.7:5000"));
        QVERIFY(!window.findChild<WhatsNewDialog *>());
    }
};

TALLYRA_TEST(UpdateDialogsTest)
#include "test_updatedialogs.moc"
