#pragma once

#include "data/database.h"

#include <QApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class AppState;
class DataDirectoryLock;
class MainWindow;
class PreferencesRepository;
class QTranslator;
class QWidget;
namespace LumoUpdate {
struct Artifact;
}

// The process: identity, style, message policy, translations, icon and
// icon font are set up on construction; run() builds the application state.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);
    ~Application() override;

    // Takes the data directory's lock, initialises the state, opens the main
    // window and runs the event loop. Exits with 1 when another copy runs on
    // the same data directory or the database cannot be used.
    int run();
    MainWindow *mainWindow() const { return m_mainWindow.get(); }

    // Tests and benchmarks start without the release-notes fetch and the
    // update check, which would go to the network.
    static void setBackgroundChecksEnabled(bool enabled);

    bool notify(QObject *receiver, QEvent *event) override;

    // "system" resolves to the system language when it is supported, else "en".
    static QString effectiveLanguage(bool resolveSystem);
    // Takes effect at the next start.
    static void setLanguage(const QString &code);
    static QStringList supportedLanguages();

    // Why the program cannot start; each is told to the user in a message box.
    enum class StartupFailure {
        // The database cannot be opened, created or migrated, for the reason
        // given with it.
        DatabaseError,
        // Another program kept the database locked.
        DatabaseBusy,
        // Another copy of the program holds the data directory.
        AlreadyRunning,
        // The disk that holds the data directory is full.
        DiskFull,
        // The data directory or the database may not be written.
        AccessDenied,
    };
    Q_ENUM(StartupFailure)
    static StartupFailure startupFailureFor(const Database::Failure &failure);

    // Takes the lock on the data directory, held until the lock is destroyed;
    // null when the user was told that it cannot be taken.
    static std::unique_ptr<DataDirectoryLock> lockDataDirectory();
    // Initialises the state; on failure the user is told which data
    // directory could not be used, and why.
    static bool initializeAppState(AppState *state);
    using StartupFailurePresenter = std::function<void(StartupFailure failure, const QString &dataDirectory)>;
    // Replaces the blocking message boxes; an empty presenter puts them back.
    static void setStartupFailurePresenter(StartupFailurePresenter presenter);
    // `reason` completes a DatabaseError; the other failures say theirs.
    static void showStartupFailure(StartupFailure failure, const QString &dataDirectory,
                                   const QString &reason = QString());

    // Once per version: true when the running version's release notes are
    // due, in which case the running version is already recorded as shown.
    static bool takeWhatsNewTurn(PreferencesRepository *preferences);
    // Shows the update dialog for an offered build unless that version was
    // dismissed before; closing it in any way dismisses the version, except
    // for a mandatory build, which is offered again at every start.
    static void offerUpdate(const LumoUpdate::Artifact &artifact, PreferencesRepository *preferences,
                            QWidget *parent);

    void startUpdateCheck();
    void onUpdateAvailable(const LumoUpdate::Artifact &artifact);

private:
    void installStyle();
    void installTranslations();
    void launchMainWindow();

    // Released after the destructor has deleted the application state, so
    // the database closes while the lock is still held.
    std::unique_ptr<DataDirectoryLock> m_dataDirectoryLock;
    AppState *m_appState = nullptr;
    // No Qt parent: it goes before the application state it works on.
    std::unique_ptr<MainWindow> m_mainWindow;
    QTranslator *m_qtTranslator = nullptr;
    QTranslator *m_appTranslator = nullptr;
};
