#include "app/application.h"

#include "app/appconfig.h"
#include "app/appstate.h"
#include "app/datadirectorylock.h"
#include "app/messagehandler.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "ui/appstyle.h"
#include "ui/mainwindow.h"
#include "update/artifact.h"
#include "update/client.h"
#include "update/updatedialog.h"
#include "update/updateflows.h"
#include "update/version.h"

#include <QDebug>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QStyleFactory>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

namespace {

const QString kLanguageKey = QStringLiteral("ui/language");
const QString kWhatsNewKey = QStringLiteral("whatsNew/lastShownVersion");
const QString kLegacyWhatsNewPreference = QStringLiteral("last_whats_new_version");
const QString kDismissedUpdatePreference = QStringLiteral("update_dismissed_version");
const QString kAppDisplayName = QStringLiteral("Lumora Tallyra");
constexpr int kUpdateCheckDelayMs = 1500;

bool &backgroundChecksEnabled()
{
    static bool enabled = true;
    return enabled;
}

Application::StartupFailurePresenter &startupFailurePresenter()
{
    static Application::StartupFailurePresenter presenter;
    return presenter;
}

void reportStartupFailure(Application::StartupFailure failure, const QString &dataDirectory,
    const QString &reason = QString())
{
    if (startupFailurePresenter())
        startupFailurePresenter()(failure, dataDirectory);
    else
        Application::showStartupFailure(failure, dataDirectory, reason);
}

} // namespace

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
    if (quietMessagesWanted())
        qInstallMessageHandler(messageHandler);
    installStyle();
    setOrganizationName(QStringLiteral("Lumora"));
    setOrganizationDomain(QStringLiteral("lumora.invalid"));
    setApplicationName(QStringLiteral("Tallyra"));
    setApplicationVersion(tallyraVersion());
    installTranslations();
    setWindowIcon(QIcon(QStringLiteral(":/icons/icons/app_icon.png")));
    // Without the font the glyphs fall back to a substitute; nothing to report.
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.otf"));
}

Application::~Application()
{
    m_mainWindow.reset();
    delete m_appState;
    m_appState = nullptr;
}

void Application::installStyle()
{
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        setStyle(new AppStyle(fusion));
}

void Application::installTranslations()
{
    const QString language = effectiveLanguage(true);
    if (language != QLatin1String("en")) {
        m_qtTranslator = new QTranslator(this);
        if (m_qtTranslator->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            installTranslator(m_qtTranslator);
        } else {
            delete m_qtTranslator;
            m_qtTranslator = nullptr;
        }
    }
    m_appTranslator = new QTranslator(this);
    if (m_appTranslator->load(QStringLiteral(":/i18n/tallyra_%1.qm").arg(language))) {
        installTranslator(m_appTranslator);
    } else {
        delete m_appTranslator;
        m_appTranslator = nullptr;
    }
}

int Application::run()
{
    m_dataDirectoryLock = lockDataDirectory();
    if (!m_dataDirectoryLock)
        return 1;
    m_appState = new AppState(this);
    if (!initializeAppState(m_appState))
        return 1;
    launchMainWindow();
    return exec();
}

void Application::launchMainWindow()
{
    m_mainWindow = std::make_unique<MainWindow>(m_appState);
    m_mainWindow->show();
    if (takeWhatsNewTurn(m_appState->preferencesRepository()) && backgroundChecksEnabled())
        LumoUpdate::showWhatsNew(makeUpdateConfig(), kAppDisplayName, m_mainWindow.get());
    if (backgroundChecksEnabled())
        QTimer::singleShot(kUpdateCheckDelayMs, this, &Application::startUpdateCheck);
}

void Application::startUpdateCheck()
{
    auto *client = new LumoUpdate::Client(makeUpdateConfig(), this);
    connect(client, &LumoUpdate::Client::updateAvailable, m_mainWindow.get(), [this](const LumoUpdate::Artifact &artifact) {
        onUpdateAvailable(artifact);
    });
    connect(client, &LumoUpdate::Client::checkFailed, this,
            [](const QString &reason) { qWarning() << "update check failed:" << reason; });
    client->check();
}

void Application::onUpdateAvailable(const LumoUpdate::Artifact &artifact)
{
    offerUpdate(artifact, m_appState->preferencesRepository(), m_mainWindow.get());
}

void Application::setBackgroundChecksEnabled(bool enabled)
{
    backgroundChecksEnabled() = enabled;
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    if (AppStyle::noteKeyEvent(event)) {
        const QList<QWidget *> widgets = allWidgets();
        for (QWidget *widget : widgets)
            widget->update();
    }
    return QApplication::notify(receiver, event);
}

QString Application::effectiveLanguage(bool resolveSystem)
{
    const QString stored = QSettings().value(kLanguageKey, QStringLiteral("system")).toString();
    if (!resolveSystem || stored != QLatin1String("system"))
        return stored;
    const QString code = QLocale().name().left(2);
    return supportedLanguages().contains(code) ? code : QStringLiteral("en");
}

void Application::setLanguage(const QString &code)
{
    QSettings().setValue(kLanguageKey, code);
}

QStringList Application::supportedLanguages()
{
    return {QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("de"), QStringLiteral("fr"),
            QStringLiteral("ja")};
}

std::unique_ptr<DataDirectoryLock> Application::lockDataDirectory()
{
    const QString directory = dataDirectory();
    auto lock = std::make_unique<DataDirectoryLock>(directory);
    switch (lock->acquire()) {
    case DataDirectoryLock::Result::Acquired:
        return lock;
    case DataDirectoryLock::Result::HeldByAnotherCopy:
        // Also on the terminal, for a start that nobody watches on screen.
        qCritical().noquote() << "Another copy is already running with the data folder" << directory;
        reportStartupFailure(StartupFailure::AlreadyRunning, directory);
        return nullptr;
    case DataDirectoryLock::Result::Unusable:
        break;
    }
    // A directory that cannot hold the lock file cannot hold the database.
    qCritical().noquote() << "Cannot create the lock file" << lock->fileName();
    reportStartupFailure(StartupFailure::DatabaseError, directory);
    return nullptr;
}

Application::StartupFailure Application::startupFailureFor(const Database::Failure &failure)
{
    if (failure.isBusy())
        return StartupFailure::DatabaseBusy;
    if (failure.isDiskFull())
        return StartupFailure::DiskFull;
    if (failure.isAccessDenied())
        return StartupFailure::AccessDenied;
    return StartupFailure::DatabaseError;
}

bool Application::initializeAppState(AppState *state)
{
    if (state->initialize())
        return true;
    const Database::Failure failure = state->database() ? state->database()->lastFailure() : Database::Failure();
    reportStartupFailure(startupFailureFor(failure), dataDirectory(), failure.isFailure() ? failure.reason() : QString());
    return false;
}

void Application::setStartupFailurePresenter(StartupFailurePresenter presenter)
{
    startupFailurePresenter() = std::move(presenter);
}

void Application::showStartupFailure(StartupFailure failure, const QString &dataDirectory, const QString &reason)
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Critical;
    switch (failure) {
    case StartupFailure::DatabaseError:
        title = tr("Database Error");
        text = reason.isEmpty()
            ? tr("Failed to initialize the database.\n\nData directory: %1").arg(dataDirectory)
            : tr("Failed to initialize the database: %1.\n\nData directory: %2").arg(reason, dataDirectory);
        break;
    case StartupFailure::AccessDenied:
        title = tr("Database Error");
        text = tr("Failed to initialize the database.\n\nData directory: %1\n\n"
                  "Please check file permissions and try again.")
                   .arg(dataDirectory);
        break;
    case StartupFailure::DiskFull:
        title = tr("Database Error");
        text = tr("Failed to initialize the database: the disk is full.\n\nData directory: %1\n\n"
                  "Please free some space on the disk and try again.")
                   .arg(dataDirectory);
        break;
    case StartupFailure::DatabaseBusy:
        title = tr("Database Error");
        text = tr("The database is in use by another program.\n\nData directory: %1\n\n"
                  "Please close the other program and try again.")
                   .arg(dataDirectory);
        break;
    case StartupFailure::AlreadyRunning:
        title = tr("Already Running");
        text = tr("Tallyra is already running with this data folder.");
        icon = QMessageBox::Warning;
        break;
    }
    QMessageBox box(icon, title, text, QMessageBox::Ok);
    box.exec();
}

bool Application::takeWhatsNewTurn(PreferencesRepository *preferences)
{
    QSettings settings;
    QString lastShown = settings.value(kWhatsNewKey).toString();
    if (lastShown.isEmpty()) {
        // Older releases kept the marker in the database.
        const QString legacy = preferences->value(kLegacyWhatsNewPreference);
        if (!legacy.isEmpty()) {
            settings.setValue(kWhatsNewKey, legacy);
            lastShown = legacy;
        }
    }
    if (!(LumoUpdate::Version::parse(lastShown) < LumoUpdate::Version::parse(tallyraVersion())))
        return false;
    // Recorded before the notes are fetched: a failed fetch is not retried.
    settings.setValue(kWhatsNewKey, tallyraVersion());
    settings.sync();
    return true;
}

void Application::offerUpdate(const LumoUpdate::Artifact &artifact, PreferencesRepository *preferences,
                              QWidget *parent)
{
    const QString dismissed = preferences->value(kDismissedUpdatePreference);
    if (!artifact.mandatory && !dismissed.isEmpty()) {
        const LumoUpdate::Version offered = LumoUpdate::Version::parse(artifact.version);
        if (!(LumoUpdate::Version::parse(dismissed) < offered))
            return;
    }
    auto *dialog = new LumoUpdate::UpdateDialog(artifact, tallyraVersion(), kAppDisplayName, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // A mandatory build must come back at the next start, however it was closed.
    if (!artifact.mandatory) {
        const QString version = artifact.version;
        connect(dialog, &QDialog::finished, preferences, [preferences, version](int) {
            preferences->set(kDismissedUpdatePreference, version);
        });
    }
    dialog->show();
}
