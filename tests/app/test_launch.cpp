#include "support/testmain.h"

#include "app/application.h"
#include "data/databasefixture.h"
#include "data/preferencesrepository.h"
#include "update/artifact.h"
#include "update/updatedialog.h"

#include <QApplication>
#include <QSettings>

namespace {

const QString kMarker = QStringLiteral("whatsNew/lastShownVersion");

struct PreferencesFixture : DatabaseFixture
{
    PreferencesRepository preferences{database.get()};
};

QList<LumoUpdate::UpdateDialog *> openUpdateDialogs()
{
    QList<LumoUpdate::UpdateDialog *> dialogs;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<LumoUpdate::UpdateDialog *>(widget); dialog && dialog->isVisible())
            dialogs << dialog;
    }
    return dialogs;
}

} // namespace

class LaunchTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Lumora"));
        QCoreApplication::setApplicationName(QStringLiteral("Tallyra"));
    }

    void cleanup() { QSettings().remove(kMarker); }

    void releaseNotesOncePerVersion_data()
    {
        QTest::addColumn<QString>("marker");  // empty: none in the settings store
        QTest::addColumn<QString>("legacy");  // empty: no database preference
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("markerAfter");
        QTest::newRow("first start") << "" << "" << true << "1.1.7";
        QTest::newRow("legacy marker of this version is copied") << "" << "1.1.7" << false << "1.1.7";
        QTest::newRow("older legacy marker is copied, then moved on") << "" << "1.1.6" << true << "1.1.7";
        QTest::newRow("after an update") << "1.1.6" << "" << true << "1.1.7";
        QTest::newRow("same version") << "1.1.7" << "" << false << "1.1.7";
        QTest::newRow("newer marker after a downgrade") << "1.2.0" << "" << false << "1.2.0";
        QTest::newRow("settings marker wins over the legacy one") << "1.1.7" << "1.0.0" << false << "1.1.7";
        QTest::newRow("unreadable marker counts as 0.0.0") << "next" << "" << true << "1.1.7";
    }

    void releaseNotesOncePerVersion()
    {
        QFETCH(QString, marker);
        QFETCH(QString, legacy);
        QFETCH(bool, shown);
        QFETCH(QString, markerAfter);
        PreferencesFixture f;
        if (!marker.isEmpty())
            QSettings().setValue(kMarker, marker);
        if (!legacy.isEmpty())
            QVERIFY(f.preferences.set(QStringLiteral("last_whats_new_version"), legacy));

        QCOMPARE(Application::takeWhatsNewTurn(&f.preferences), shown);
        QCOMPARE(QSettings().value(kMarker).toString(), markerAfter);
        // The next start never shows them again.
        QVERIFY(!Application::takeWhatsNewTurn(&f.preferences));
        if (!legacy.isEmpty())
            QCOMPARE(f.preferences.value(QStringLiteral("last_whats_new_version")), legacy);
    }

    void updateOfferAndDismissal_data()
    {
        QTest::addColumn<QString>("dismissed"); // empty: never dismissed
        QTest::addColumn<QString>("offered");
        QTest::addColumn<bool>("mandatory");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("dismissedAfter");
        QTest::newRow("first offer") << "" << "1.2.0" << false << true << "1.2.0";
        QTest::newRow("dismissed version stays quiet") << "1.2.0" << "1.2.0" << false << false << "1.2.0";
        QTest::newRow("older than the dismissed one") << "1.3.0" << "1.2.0" << false << false << "1.3.0";
        QTest::newRow("newer than the dismissed one") << "1.2.0" << "1.2.1" << false << true << "1.2.1";
        QTest::newRow("mandatory is never recorded") << "" << "1.2.0" << true << true << "";
        QTest::newRow("mandatory comes back over a dismissal") << "1.2.0" << "1.2.0" << true << true << "1.2.0";
    }

    void updateOfferAndDismissal()
    {
        QFETCH(QString, dismissed);
        QFETCH(QString, offered);
        QFETCH(bool, mandatory);
        QFETCH(bool, shown);
        QFETCH(QString, dismissedAfter);
        PreferencesFixture f;
        if (!dismissed.isEmpty())
            QVERIFY(f.preferences.set(QStringLiteral("update_dismissed_version"), dismissed));
        LumoUpdate::Artifact artifact;
        artifact.version = offered;
        artifact.url = QUrl(QStringLiteral("https://downloads.example.invalid/tallyra.tar.gz"));
        artifact.mandatory = mandatory;

        Application::offerUpdate(artifact, &f.preferences, nullptr);
        const QList<LumoUpdate::UpdateDialog *> dialogs = openUpdateDialogs();
        QCOMPARE(dialogs.size(), shown ? 1 : 0);
        if (shown) {
            QPointer<LumoUpdate::UpdateDialog> dialog = dialogs.first();
            QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
            dialog->close();
            QTRY_VERIFY(dialog.isNull());
        }
        QCOMPARE(f.preferences.value(QStringLiteral("update_dismissed_version")), dismissedAfter);
    }
};

TALLYRA_TEST(LaunchTest)
#include "test_launch.moc"
