#include "support/testmain.h"
#include "support/environmentoverride.h"

#include "app/appconfig.h"
#include "app/application.h"
#include "app/appstate.h"
#include "app/messagehandler.h"
#include "ui/appstyle.h"

#include <QFile>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <memory>

namespace {

QString quietOutput(QtMsgType type, const QString &message)
{
    std::FILE *file = std::tmpfile();
    writeQuietMessage(file, type, message);
    std::rewind(file);
    QByteArray text(256, '\0');
    text.resize(qsizetype(std::fread(text.data(), 1, size_t(text.size()), file)));
    std::fclose(file);
    return QString::fromLocal8Bit(text);
}

struct ShownBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Shows the box of a start-up failure, answers it, and tells what it showed.
ShownBox showStartupFailure(Application::StartupFailure failure, const QString &dataDirectory,
                            const QString &reason = QString())
{
    ShownBox shown;
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = {box->windowTitle(), box->text(), box->icon()};
            box->button(QMessageBox::Ok)->click();
        }
    });
    closer.start();
    Application::showStartupFailure(failure, dataDirectory, reason);
    return shown;
}

} // namespace

class ApplicationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Lumora"));
        QCoreApplication::setApplicationName(QStringLiteral("Tallyra"));
    }

    void cleanup()
    {
        QSettings().remove(QStringLiteral("ui/language"));
        QLocale::setDefault(QLocale::system());
    }

    void languageChoice_data()
    {
        QTest::addColumn<QString>("stored"); // empty: key absent
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("resolve");
        QTest::addColumn<QString>("expected");

        QTest::newRow("absent, unsupported system language") << "" << "pt_BR" << true << "en";
        QTest::newRow("absent, German system") << "" << "de_DE" << true << "de";
        QTest::newRow("system, German system") << "system" << "de_AT" << true << "de";
        QTest::newRow("system, Japanese system") << "system" << "ja_JP" << true << "ja";
        QTest::newRow("absent, unresolved") << "" << "de_DE" << false << "system";
        QTest::newRow("stored code wins over system") << "fr" << "de_DE" << true << "fr";
        QTest::newRow("stored code unresolved") << "es" << "de_DE" << false << "es";
        QTest::newRow("unsupported stored code kept") << "pt" << "de_DE" << true << "pt";
        QTest::newRow("other case is not system") << "System" << "de_DE" << true << "System";
    }

    void languageChoice()
    {
        QFETCH(QString, stored);
        QFETCH(QString, locale);
        QFETCH(bool, resolve);
        QFETCH(QString, expected);
        if (!stored.isEmpty())
            Application::setLanguage(stored);
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(Application::effectiveLanguage(resolve), expected);
    }

    void languageIsKeptInTheSettingsStore()
    {
        Application::setLanguage(QStringLiteral("ja"));
        QCOMPARE(QSettings(QStringLiteral("Lumora"), QStringLiteral("Tallyra")).value(QStringLiteral("ui/language")),
                 QVariant(QStringLiteral("ja")));
        QCOMPARE(Application::supportedLanguages(),
                 (QStringList{QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("de"), QStringLiteral("fr"),
                              QStringLiteral("ja")}));
    }

    void quietMessageFormat_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("written");
        QTest::newRow("debug dropped") << int(QtDebugMsg) << "";
        QTest::newRow("info dropped") << int(QtInfoMsg) << "";
        QTest::newRow("warning prefixed") << int(QtWarningMsg) << "WARN: disk almost full\n";
        QTest::newRow("critical plain") << int(QtCriticalMsg) << "disk almost full\n";
        QTest::newRow("fatal plain") << int(QtFatalMsg) << "disk almost full\n";
    }

    void quietMessageFormat()
    {
        QFETCH(int, type);
        QFETCH(QString, written);
        QCOMPARE(quietOutput(QtMsgType(type), QStringLiteral("disk almost full")), written);
    }

    void verboseVariable_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("quiet");
        QTest::newRow("unset") << QByteArray() << true;
        QTest::newRow("empty") << QByteArray("") << true;
        QTest::newRow("set") << QByteArray("1") << false;
        QTest::newRow("zero still counts") << QByteArray("0") << false;
    }

    void verboseVariable()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, quiet);
        EnvironmentOverride verbose("TALLYRA_VERBOSE", value);
        QCOMPARE(quietMessagesWanted(), quiet);
    }

    void everyLanguageHasItsCompiledTranslations_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("openingBalance");
        QTest::newRow("en") << "en" << "Opening Balance";
        QTest::newRow("de") << "de" << "Anfangssaldo";
        QTest::newRow("es") << "es" << "Saldo inicial";
        QTest::newRow("fr") << "fr" << "Solde d'ouverture";
        QTest::newRow("ja") << "ja" << "\u671F\u9996\u6B8B\u9AD8";
    }

    void everyLanguageHasItsCompiledTranslations()
    {
        QFETCH(QString, language);
        QFETCH(QString, openingBalance);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/tallyra_%1.qm").arg(language)));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        const QString translated = QCoreApplication::translate("TransactionRepository", "Opening Balance");
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(translated, openingBalance);
    }

    void pluralFormsPerLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("text");
        QTest::newRow("english keeps the source form") << "en" << 2 << "2 account(s)";
        QTest::newRow("english singular too") << "en" << 1 << "1 account(s)";
        QTest::newRow("german singular") << "de" << 1 << "1 Konto";
        QTest::newRow("german plural") << "de" << 2 << "2 Konten";
        QTest::newRow("french zero is singular") << "fr" << 0 << "0 compte";
    }

    void pluralFormsPerLanguage()
    {
        QFETCH(QString, language);
        QFETCH(int, count);
        QFETCH(QString, text);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/tallyra_%1.qm").arg(language)));
        QCoreApplication::installTranslator(&translator);
        const QString translated = QCoreApplication::translate("StatusBar", "%n account(s)", nullptr, count);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(translated, text);
    }

    void qtOwnCataloguesAreFoundForTheOtherLanguages()
    {
        for (const QString &language : {QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"),
                                        QStringLiteral("ja")}) {
            QTranslator translator;
            QVERIFY2(translator.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)),
                     qPrintable(language));
        }
    }

    void iconAndIconFontAreCompiledIn()
    {
        const QPixmap icon(QStringLiteral(":/icons/icons/app_icon.png"));
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.width(), icon.height());
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.otf"));
        QVERIFY(id >= 0);
        QCOMPARE(QFontDatabase::applicationFontFamilies(id), QStringList{QStringLiteral("Material Icons")});
        QFontDatabase::removeApplicationFont(id);
    }

    void mnemonicsShowOnlyWhileAltIsHeld()
    {
        QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"));
        QVERIFY(fusion);
        AppStyle style(fusion);
        QCOMPARE(style.styleHint(QStyle::SH_UnderlineShortcut), 0);

        QKeyEvent altDown(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        QKeyEvent altRepeat(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier, QString(), true);
        QKeyEvent altUp(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);

        QVERIFY(AppStyle::noteKeyEvent(&altDown));
        QCOMPARE(style.styleHint(QStyle::SH_UnderlineShortcut), 1);
        QVERIFY(!AppStyle::noteKeyEvent(&altRepeat));
        QVERIFY(!AppStyle::noteKeyEvent(&letter));
        QCOMPARE(style.styleHint(QStyle::SH_UnderlineShortcut), 1);
        QVERIFY(AppStyle::noteKeyEvent(&altUp));
        QCOMPARE(style.styleHint(QStyle::SH_UnderlineShortcut), 0);
        QVERIFY(!AppStyle::noteKeyEvent(&altUp));

        // Every other hint is the base style's.
        std::unique_ptr<QStyle> plainFusion(QStyleFactory::create(QStringLiteral("Fusion")));
        QCOMPARE(style.styleHint(QStyle::SH_DialogButtonLayout), plainFusion->styleHint(QStyle::SH_DialogButtonLayout));
        QCOMPARE(style.styleHint(QStyle::SH_ComboBox_Popup), plainFusion->styleHint(QStyle::SH_ComboBox_Popup));
    }

    void unusableDataDirectoryIsReported()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("not-a-folder"));
        QFile blocker(file);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString dataDir = file + QStringLiteral("/data");
        EnvironmentOverride dataDirectory("TALLYRA_DATA_DIR", QFile::encodeName(dataDir));

        QStringList reported;
        Application::setStartupFailurePresenter([&](Application::StartupFailure failure, const QString &directory) {
            QCOMPARE(failure, Application::StartupFailure::DatabaseError);
            reported << directory;
        });
        AppState state;
        const bool initialized = Application::initializeAppState(&state);
        Application::setStartupFailurePresenter({});
        QVERIFY(!initialized);
        QCOMPARE(reported, QStringList{dataDir});
    }

    void databaseErrorBoxNamesTheDirectory()
    {
        const ShownBox box = showStartupFailure(Application::StartupFailure::AccessDenied,
                                                QStringLiteral("/srv/locked/Tallyra"));
        QCOMPARE(box.title, QStringLiteral("Database Error"));
        QCOMPARE(box.text, QStringLiteral("Failed to initialize the database.\n\n"
                                          "Data directory: /srv/locked/Tallyra\n\n"
                                          "Please check file permissions and try again."));
    }

    // Each failure says why; only a permission problem speaks of permissions.
    void startupFailureBoxes_data()
    {
        QTest::addColumn<Application::StartupFailure>("failure");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::newRow("database locked by another program")
            << Application::StartupFailure::DatabaseBusy << "the data is in use by another program" << "Database Error"
            << "The database is in use by another program.\n\nData directory: /srv/locked/Tallyra\n\n"
               "Please close the other program and try again."
            << QMessageBox::Critical;
        QTest::newRow("full disk")
            << Application::StartupFailure::DiskFull << "the disk is full" << "Database Error"
            << "Failed to initialize the database: the disk is full.\n\nData directory: /srv/locked/Tallyra\n\n"
               "Please free some space on the disk and try again."
            << QMessageBox::Critical;
        QTest::newRow("file that is no database")
            << Application::StartupFailure::DatabaseError << "file is not a database" << "Database Error"
            << "Failed to initialize the database: file is not a database.\n\nData directory: /srv/locked/Tallyra"
            << QMessageBox::Critical;
        QTest::newRow("no reason known")
            << Application::StartupFailure::DatabaseError << "" << "Database Error"
            << "Failed to initialize the database.\n\nData directory: /srv/locked/Tallyra" << QMessageBox::Critical;
        QTest::newRow("another copy holds the folder")
            << Application::StartupFailure::AlreadyRunning << "" << "Already Running"
            << "Tallyra is already running with this data folder." << QMessageBox::Warning;
    }

    void startupFailureBoxes()
    {
        QFETCH(Application::StartupFailure, failure);
        QFETCH(QString, reason);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QMessageBox::Icon, icon);
        const ShownBox box = showStartupFailure(failure, QStringLiteral("/srv/locked/Tallyra"), reason);
        QCOMPARE(box.title, title);
        QCOMPARE(box.text, text);
        QCOMPARE(box.icon, icon);
    }

    void configurationRecords()
    {
        const LumoUpdate::UpdateConfig update = makeUpdateConfig();
        QCOMPARE(update.appId, QStringLiteral("tallyra"));
        QCOMPARE(update.channel, QStringLiteral("stable"));
        QCOMPARE(update.currentVersion, QStringLiteral("1.1.7"));
        QCOMPARE(update.manifestBaseUrl.path(), QStringLiteral("/tallyra/stable/"));
        QVERIFY(update.manifestBaseUrl.host().endsWith(QLatin1String(".invalid")));

        const FeedbackConfig feedback = makeFeedbackConfig();
        QCOMPARE(feedback.appId, QStringLiteral("tallyra"));
        QVERIFY(feedback.feedbackUrl.isValid());
        QVERIFY(feedback.feedbackUrl.host().endsWith(QLatin1String(".invalid")));
    }
};

TALLYRA_TEST(ApplicationTest)
#include "test_application.moc"
