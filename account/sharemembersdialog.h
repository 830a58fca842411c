#pragma once

#include "account/accountrecords.h"

#include <QDialog>
#include <QList>
#include <QSet>
#include <QString>

#include <functional>

class QLabel;
class QVBoxLayout;
class QWidget;

namespace LumoAccount {

class Client;
class SharingBackend;

// Shares one local account with family-group members and withdraws access.
class ShareMembersDialog : public QDialog
{
    Q_OBJECT

public:
    struct Texts
    {
        QString title;
        QString heading;
        QString description;
        QString withAccessLabel;
        QString addPeopleLabel;
        QString noSharesText;
        QString noGroupText;
        QString allHaveAccessText;
        QString shareButtonText;
        QString removeButtonToolTip;
        QString closeButtonText;
        QString shareRole;
        QString shareErrorTitle;
        QString removeErrorTitle;
        QString removeConfirmTitle;
        QString removeConfirmText;
    };

    // Asks the user to confirm a removal; true means yes.
    using ConfirmHandler = std::function<bool(const QString &title, const QString &text)>;

    ShareMembersDialog(Client *client, SharingBackend *backend, const QString &accountId,
                       const Texts &texts, QWidget *parent = nullptr);

    // Replaces the question box, so tests need no modal message box.
    void setConfirmHandler(ConfirmHandler handler) { m_confirm = std::move(handler); }

    static QString initialsFor(const QString &name, const QString &email);

Q_SIGNALS:
    void sharingChanged();

private:
    // Where each of the three fetches stands: one that failed is shown as a
    // failure, never as an empty answer.
    enum class Fetch { Pending, Loaded, Failed };

    void buildWindow();
    void reload();
    void rebuildLists();
    void clearLayout(QVBoxLayout *layout);
    void addCandidates(const QSet<QString> &sharedIds);
    QWidget *createMemberRow(ShareMember share);
    QWidget *createCandidateRow(const GroupMember &member);
    QWidget *createPersonRow(const QString &shown, const QString &displayName, const QString &email,
                             const QColor &avatarColor, QWidget *button);
    QLabel *createAvatar(const QString &initials, const QColor &color, int size, QWidget *parent);
    void shareWithMember(const QString &memberId, const QString &shownName);
    void removeShare(const QString &shareId, const QString &shownName);
    void finishChange(bool ok, const QString &errorText);
    void showError(const QString &text);
    QString textOr(const QString &given, const QString &fallback) const;

    Client *m_client = nullptr;
    SharingBackend *m_backend = nullptr;
    QString m_accountId;
    Texts m_texts;
    ConfirmHandler m_confirm;

    QList<GroupMember> m_members;
    QList<ShareMember> m_shares;
    QString m_ownAccountId;
    Fetch m_profileFetch = Fetch::Pending;
    Fetch m_groupFetch = Fetch::Pending;
    Fetch m_sharesFetch = Fetch::Pending;
    bool m_busy = false;

    QLabel *m_errorLabel = nullptr;
    QVBoxLayout *m_withAccessList = nullptr;
    QVBoxLayout *m_candidateList = nullptr;
    QLabel *m_noGroupHint = nullptr;
    QLabel *m_allHaveAccessHint = nullptr;
    QLabel *m_loadFailedHint = nullptr;
};

} // namespace LumoAccount
