#pragma once

#include "account/accountrecords.h"
#include "account/jwt.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class QDateTime;
class QDialog;
class QFrame;
class QLabel;
class QTimer;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

namespace LumoAccount {

class Client;

// The online account window of a signed-in user.
class AccountScreen : public QWidget
{
    Q_OBJECT

public:
    // The pages in navigation order; a value is both the row in the
    // navigation list and the index in the page stack.
    enum Tab { Profile = 0, Group = 1, Devices = 2, Security = 3, Privacy = 4 };

    explicit AccountScreen(Client *client, QWidget *parent = nullptr);

    void showTab(Tab tab);
    void refresh();
    void refreshProfile();
    void refreshGroup();
    void refreshDevices();
    void refreshSessions();

    // "Active now", "5m ago", "3h ago", "2d ago", else the local date.
    static QString formatRelativeTime(const QDateTime &time);
    static QString formatRelativeTime(const QDateTime &time, const QDateTime &nowUtc);

Q_SIGNALS:
    void logoutRequested();

private:
    QWidget *createProfileTab();
    QWidget *createGroupTab();
    QWidget *createDevicesTab();
    QWidget *createSecurityTab();
    QWidget *createPrivacyTab();
    QWidget *createSection(const QString &title, const QString &subtitle);
    QFrame *createSeparator();
    // One entry of the device or session list: lines of text, a trailing
    // label or button, and a separator under it.
    void addListRow(QVBoxLayout *layout, const QList<QLabel *> &lines, QWidget *trailing);
    QWidget *createPage(const QString &title, QVBoxLayout **layout);
    QWidget *createContentPage(const QString &title, QVBoxLayout **layout, QWidget **content);
    QWidget *replaceContent(QVBoxLayout *pageLayout, QWidget **content, int spacing);
    void showFetchFailure(QVBoxLayout *pageLayout, QWidget **content, const QString &text);

    void showError(const QString &text);
    void showSuccess(const QString &text);
    static bool isOwnerRole(const LumiClaims &claims);

    // Modal prompts run through the program's prompt seam; while one runs,
    // page contents that are replaced stay alive until it has returned.
    int runPrompt(QDialog *dialog);
    bool askQuestion(const QString &title, const QString &text);
    void showInformation(const QString &title, const QString &text);
    bool askText(const QString &title, const QString &label, bool password,
                 const QString &initial, QString *answer);

    void editDisplayName();
    void changePassword();
    void confirmDeleteAccount();

    void populateGroup(const LumoAccount::Group &group);
    void populateDevices(const QList<Device> &devices);
    void populateSessions(const QList<Session> &sessions);
    void joinGroupWithCode();
    void inviteByEmail();
    void generateInviteCode();
    void onInviteCodeGenerated(const GroupInvitation &invitation);
    void revokeInvitation(const QString &invitationId);
    void confirmRemoveMember(const QString &displayText, const QString &memberId);
    void confirmLeaveGroup();
    void confirmRemoveDevice(const QString &deviceId, const QString &deviceName);
    void revokeSession(const QString &sessionId);
    // Reports an action's outcome, then re-fetches the page half a second later.
    void finishAction(bool ok, const QString &success, const QString &failure,
                      void (AccountScreen::*refetch)());

    Client *m_client = nullptr;
    QListWidget *m_navigation = nullptr;
    QStackedWidget *m_pageStack = nullptr;
    QLabel *m_statusLine = nullptr;
    // One clock for the status line: each message restarts it, so no earlier
    // message's time can clear a later one.
    QTimer *m_statusClearTimer = nullptr;
    QLabel *m_displayNameLabel = nullptr;
    QLabel *m_emailLabel = nullptr;
    QPushButton *m_editDisplayNameButton = nullptr;
    QPushButton *m_changePasswordButton = nullptr;
    QVBoxLayout *m_groupPageLayout = nullptr;
    QWidget *m_groupContent = nullptr;
    QVBoxLayout *m_devicesPageLayout = nullptr;
    QWidget *m_devicesContent = nullptr;
    QVBoxLayout *m_securityPageLayout = nullptr;
    QWidget *m_sessionsContent = nullptr;

    // The display name as fetched; empty when none is set.
    QString m_displayName;
    int m_promptDepth = 0;
    QList<QPointer<QWidget>> m_retiredContent;
};

} // namespace LumoAccount
