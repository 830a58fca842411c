#include "account/accountscreen.h"

#include "account/accountclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "register/userprompts.h"
#include "ui/palettehelpers.h"

#include <QApplication>
#include <QDateTime>
#include <QFrame>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace LumoAccount {

namespace {

constexpr int RefetchDelayMs = 500;
constexpr int MaxUserAgentLength = 60;

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

void setMuted(QWidget *widget)
{
    followPalette(widget,
                  [widget] { setTextColor(widget, QApplication::palette().color(QPalette::PlaceholderText)); });
}

void setWeight(QWidget *widget, int weight)
{
    QFont font = widget->font();
    font.setWeight(static_cast<QFont::Weight>(weight));
    widget->setFont(font);
}

void changePointSize(QWidget *widget, int delta)
{
    QFont font = widget->font();
    font.setPointSize(font.pointSize() + delta);
    widget->setFont(font);
}

// Small type is one point smaller, smaller type two; neither goes below 7.
void shrinkPointSize(QWidget *widget, int by)
{
    QFont font = widget->font();
    font.setPointSize(qMax(7, font.pointSize() - by));
    widget->setFont(font);
}

void setSmallType(QWidget *widget)
{
    shrinkPointSize(widget, 1);
}

void setSmallerType(QWidget *widget)
{
    shrinkPointSize(widget, 2);
}

// Every text on this screen that comes from the services is shown as typed.
QLabel *plainLabel(const QString &text, QWidget *parent = nullptr)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QHBoxLayout *rowLayout(int left, int top, int right, int bottom)
{
    auto *row = new QHBoxLayout;
    row->setContentsMargins(left, top, right, bottom);
    return row;
}

QString shownDisplayName(const QString &displayName)
{
    return displayName.isEmpty() ? AccountScreen::tr("(not set)") : displayName;
}

QString navigationStyleSheet()
{
    const QPalette palette = QApplication::palette();
    const QColor window = palette.color(QPalette::Window);
    const bool dark = window.lightness() < 128;
    const QColor alternate = palette.color(QPalette::AlternateBase);
    const QColor background = alternate.isValid() ? alternate
                              : dark                ? window.lighter(115)
                                                    : window.lighter(97);
    const QColor hover = dark ? window.lighter(135) : window.darker(105);
    return QStringLiteral("QListWidget {  background: %1; border: none; padding: 12px 8px;}"
                          "QListWidget::item {  padding: 8px 12px; border-radius: 6px;}"
                          "QListWidget::item:hover { background: %2; }"
                          "QListWidget::item:selected { background: %3; color: %4; }")
        .arg(background.name(), hover.name(), palette.color(QPalette::Highlight).name(),
             palette.color(QPalette::HighlightedText).name());
}

} // namespace

AccountScreen::AccountScreen(Client *client, QWidget *parent)
    : QWidget(parent)
    , m_client(client)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_navigation = new QListWidget(this);
    m_navigation->setFrameShape(QFrame::NoFrame);
    m_navigation->setFocusPolicy(Qt::NoFocus);
    m_navigation->setSpacing(2);
    setThemedStyleSheet(m_navigation, navigationStyleSheet);
    m_navigation->addItems({tr("Profile"), tr("Group"),
                            tr("Devices"), tr("Security"),
                            tr("Data & Privacy")});
    // Entries are longer in some languages: the list is as wide as the widest
    // needs, with the side padding of its style sheet.
    m_navigation->ensurePolished();
    m_navigation->setFixedWidth(std::max(180, m_navigation->sizeHintForColumn(0) + 2 * m_navigation->spacing()
                                                  + 2 * m_navigation->frameWidth() + 2 * 8));
    m_navigation->setCurrentRow(Profile);

    m_pageStack = new QStackedWidget(this);
    m_pageStack->addWidget(createProfileTab());
    m_pageStack->addWidget(createGroupTab());
    m_pageStack->addWidget(createDevicesTab());
    m_pageStack->addWidget(createSecurityTab());
    m_pageStack->addWidget(createPrivacyTab());
    connect(m_navigation, &QListWidget::currentRowChanged, m_pageStack,
            &QStackedWidget::setCurrentIndex);

    auto *right = new QVBoxLayout;
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(0);
    right->addWidget(m_pageStack, 1);
    m_statusLine = plainLabel(QString(), this);
    m_statusLine->setObjectName(QStringLiteral("statusLine"));
    m_statusLine->setFixedHeight(24);
    setSmallType(m_statusLine);
    right->addWidget(m_statusLine, 0);
    m_statusClearTimer = new QTimer(this);
    m_statusClearTimer->setSingleShot(true);
    connect(m_statusClearTimer, &QTimer::timeout, m_statusLine, &QLabel::clear);

    layout->addWidget(m_navigation, 0);
    layout->addLayout(right, 1);
}

void AccountScreen::showTab(Tab tab)
{
    if (m_navigation)
        m_navigation->setCurrentRow(tab);
    if (m_pageStack)
        m_pageStack->setCurrentIndex(tab);
}

void AccountScreen::refresh()
{
    refreshProfile();
    refreshGroup();
    refreshDevices();
    refreshSessions();
}

// ---- page frames -----------------------------------------------------------

QWidget *AccountScreen::createPage(const QString &title, QVBoxLayout **layout)
{
    auto *page = new QWidget(this);
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(24, 24, 24, 24);
    pageLayout->setSpacing(8);
    auto *titleLabel = new QLabel(title, page);
    changePointSize(titleLabel, 4);
    setWeight(titleLabel, 600);
    pageLayout->addWidget(titleLabel);
    pageLayout->addSpacing(12);
    *layout = pageLayout;
    return page;
}

QWidget *AccountScreen::createContentPage(const QString &title, QVBoxLayout **layout,
                                          QWidget **content)
{
    QWidget *page = createPage(title, layout);
    *content = new QWidget(page);
    (*layout)->addWidget(*content);
    (*layout)->addStretch();
    return page;
}

QWidget *AccountScreen::replaceContent(QVBoxLayout *pageLayout, QWidget **content, int spacing)
{
    QWidget *old = *content;
    pageLayout->removeWidget(old);
    old->hide();
    // A prompt opened from a button of the old content may still be running
    // with that button's click on the stack: keep it until the prompt is done.
    if (m_promptDepth > 0)
        m_retiredContent.append(old);
    else
        old->deleteLater();

    auto *fresh = new QWidget(pageLayout->parentWidget());
    auto *layout = new QVBoxLayout(fresh);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    pageLayout->insertWidget(2, fresh);
    *content = fresh;
    return fresh;
}

void AccountScreen::showFetchFailure(QVBoxLayout *pageLayout, QWidget **content,
                                     const QString &text)
{
    QWidget *fresh = replaceContent(pageLayout, content, 8);
    QLabel *line = plainLabel(text, fresh);
    line->setObjectName(QStringLiteral("fetchError"));
    line->setWordWrap(true);
    line->setContentsMargins(12, 0, 0, 0);
    setThemedStyleSheet(line, [] { return QStringLiteral("color: %1;").arg(negativeAmountColor().name()); });
    fresh->layout()->addWidget(line);
}

QWidget *AccountScreen::createSection(const QString &title, const QString &subtitle)
{
    auto *section = new QWidget;
    auto *layout = new QVBoxLayout(section);
    layout->setContentsMargins(0, 0, 0, 8);
    QLabel *titleLabel = plainLabel(title, section);
    changePointSize(titleLabel, 1);
    setWeight(titleLabel, 500);
    layout->addWidget(titleLabel);
    if (!subtitle.isEmpty()) {
        QLabel *subtitleLabel = plainLabel(subtitle, section);
        subtitleLabel->setWordWrap(true);
        setMuted(subtitleLabel);
        setSmallerType(subtitleLabel);
        layout->addWidget(subtitleLabel);
    }
    return section;
}

void AccountScreen::addListRow(QVBoxLayout *layout, const QList<QLabel *> &lines,
                               QWidget *trailing)
{
    QHBoxLayout *row = rowLayout(12, 6, 0, 6);
    auto *text = new QVBoxLayout;
    text->setSpacing(2);
    for (QLabel *line : lines)
        text->addWidget(line);
    row->addLayout(text);
    row->addStretch();
    row->addWidget(trailing);
    layout->addLayout(row);
    layout->addWidget(createSeparator());
}

QFrame *AccountScreen::createSeparator()
{
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// ---- status line -----------------------------------------------------------

void AccountScreen::showError(const QString &text)
{
    setThemedStyleSheet(m_statusLine,
                        [] { return QStringLiteral("color: %1; padding: 4px;").arg(negativeAmountColor().name()); });
    m_statusLine->setText(text);
    m_statusClearTimer->start(4000);
}

void AccountScreen::showSuccess(const QString &text)
{
    setThemedStyleSheet(m_statusLine,
                        [] { return QStringLiteral("color: %1; padding: 4px;").arg(positiveAmountColor().name()); });
    m_statusLine->setText(text);
    m_statusClearTimer->start(3000);
}

bool AccountScreen::isOwnerRole(const LumiClaims &claims)
{
    return claims.role == QLatin1String("owner");
}

// ---- prompts ---------------------------------------------------------------

int AccountScreen::runPrompt(QDialog *dialog)
{
    ++m_promptDepth;
    const int result = UserPrompts::current()->runDialog(dialog);
    if (--m_promptDepth == 0) {
        for (const QPointer<QWidget> &old : std::as_const(m_retiredContent)) {
            if (old)
                old->deleteLater();
        }
        m_retiredContent.clear();
    }
    return result;
}

bool AccountScreen::askQuestion(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, this);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return runPrompt(&box) == QMessageBox::Yes;
}

void AccountScreen::showInformation(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    runPrompt(&box);
}

bool AccountScreen::askText(const QString &title, const QString &label, bool password,
                            const QString &initial, QString *answer)
{
    QInputDialog dialog(this);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
    dialog.setTextValue(initial);
    if (runPrompt(&dialog) != QDialog::Accepted)
        return false;
    *answer = dialog.textValue();
    return true;
}

// ---- profile ---------------------------------------------------------------

QWidget *AccountScreen::createProfileTab()
{
    QVBoxLayout *layout = nullptr;
    QWidget *page = createPage(tr("Profile"), &layout);
    layout->addWidget(createSection(tr("Personal Information"), QString()));

    auto *block = new QVBoxLayout;
    block->setContentsMargins(12, 0, 0, 0);
    block->setSpacing(6);
    m_displayNameLabel = plainLabel(QString(), page);
    m_displayNameLabel->setObjectName(QStringLiteral("displayNameLabel"));
    m_emailLabel = plainLabel(QString(), page);
    m_emailLabel->setObjectName(QStringLiteral("emailLabel"));
    setMuted(m_emailLabel);
    block->addWidget(m_displayNameLabel);
    block->addWidget(m_emailLabel);
    layout->addLayout(block);

    layout->addSpacing(8);
    QHBoxLayout *buttons = rowLayout(12, 0, 0, 0);
    m_editDisplayNameButton = new QPushButton(tr("Edit Display Name"), page);
    connect(m_editDisplayNameButton, &QPushButton::clicked, this, &AccountScreen::editDisplayName);
    auto *signOut = new QPushButton(tr("Sign Out"), page);
    connect(signOut, &QPushButton::clicked, this, &AccountScreen::logoutRequested);
    buttons->addWidget(m_editDisplayNameButton);
    buttons->addStretch();
    buttons->addWidget(signOut);
    layout->addLayout(buttons);

    layout->addSpacing(16);
    layout->addWidget(createSeparator());
    layout->addSpacing(8);
    layout->addWidget(createSection(tr("Password"),
                                    tr("Change your account password.")));
    QHBoxLayout *passwordRow = rowLayout(12, 0, 0, 0);
    m_changePasswordButton = new QPushButton(tr("Change Password"), page);
    connect(m_changePasswordButton, &QPushButton::clicked, this, &AccountScreen::changePassword);
    passwordRow->addWidget(m_changePasswordButton);
    passwordRow->addStretch();
    layout->addLayout(passwordRow);
    layout->addStretch();
    return page;
}

void AccountScreen::refreshProfile()
{
    QPointer<AccountScreen> self(this);
    m_client->authClient()->fetchCurrentUser([self](bool ok, const User &user) {
        if (!self)
            return;
        if (!ok) {
            self->showError(tr("Could not load your profile."));
            return;
        }
        self->m_displayName = user.displayName;
        self->m_displayNameLabel->setText(shownDisplayName(user.displayName));
        self->m_emailLabel->setText(user.email);
    });
}

void AccountScreen::editDisplayName()
{
    // Without a name the field starts empty: "(not set)" is no name to save.
    QString typed;
    if (!askText(tr("Edit Display Name"), tr("Display name:"), false,
                 m_displayName, &typed))
        return;
    const QString name = typed.trimmed();
    if (name.isEmpty())
        return;
    m_editDisplayNameButton->setEnabled(false);
    QPointer<AccountScreen> self(this);
    m_client->authClient()->updateProfile(name, [self](const User &user) {
        if (!self)
            return;
        self->m_editDisplayNameButton->setEnabled(true);
        if (user.id.isEmpty()) {
            self->showError(tr("Failed to update profile."));
            return;
        }
        self->m_displayName = user.displayName;
        self->m_displayNameLabel->setText(shownDisplayName(user.displayName));
        self->showSuccess(tr("Display name updated."));
    });
}

void AccountScreen::changePassword()
{
    const QString title = tr("Change Password");
    QString current;
    if (!askText(title, tr("Current password:"), true, QString(), &current)
        || current.isEmpty())
        return;
    QString fresh;
    if (!askText(title, tr("New password (min 8 characters):"), true, QString(), &fresh)
        || fresh.isEmpty())
        return;
    if (fresh.size() < 8) {
        showError(tr("Password must be at least 8 characters."));
        return;
    }
    QString confirmation;
    if (!askText(title, tr("Confirm new password:"), true, QString(), &confirmation)
        || confirmation != fresh) {
        showError(tr("Passwords do not match."));
        return;
    }
    m_changePasswordButton->setEnabled(false);
    QPointer<AccountScreen> self(this);
    m_client->authClient()->changePassword(current, fresh, [self](bool ok) {
        if (!self)
            return;
        self->m_changePasswordButton->setEnabled(true);
        if (ok)
            self->showSuccess(tr("Password changed."));
        else
            self->showError(tr("Failed to change password."));
    });
}

// ---- data and privacy ------------------------------------------------------

QWidget *AccountScreen::createPrivacyTab()
{
    QVBoxLayout *layout = nullptr;
    QWidget *page = createPage(tr("Data & Privacy"), &layout);
    layout->addWidget(createSection(
        tr("Danger Zone"),
        tr("Permanently delete your account. This cannot be undone after 30 days.")));

    const bool owner = isOwnerRole(m_client->claims());
    auto *deleteButton = new QPushButton(tr("Delete Account"), page);
    deleteButton->setStyleSheet(QStringLiteral(
        "QPushButton { color: white; background: #C62828; border: none;  border-radius: 4px; "
        "padding: 6px 16px; font-weight: 600; }QPushButton:hover { background: #B71C1C; }"
        "QPushButton:disabled { background: #666; }"));
    if (owner) {
        deleteButton->setEnabled(false);
        QLabel *note = plainLabel(tr("You are the group owner. Transfer ownership or "
                                                 "remove all members before deleting your account."),
                                  page);
        note->setObjectName(QStringLiteral("ownerNote"));
        note->setWordWrap(true);
        setMuted(note);
        setSmallType(note);
        note->setContentsMargins(12, 0, 0, 0);
        layout->addWidget(note);
    }
    connect(deleteButton, &QPushButton::clicked, this, &AccountScreen::confirmDeleteAccount);
    QHBoxLayout *row = rowLayout(12, 0, 0, 0);
    row->addWidget(deleteButton);
    row->addStretch();
    layout->addLayout(row);
    layout->addStretch();
    return page;
}

void AccountScreen::confirmDeleteAccount()
{
    QString typed;
    if (!askText(tr("Delete Account"),
                 tr("This will schedule your account for permanent deletion after 30 "
                                "days.\n\nType DELETE to confirm:"),
                 false, QString(), &typed)
        || typed != QLatin1String("DELETE"))
        return;
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->deleteAccount([self](bool ok) {
        if (!self)
            return;
        if (!ok) {
            self->showError(tr("Failed to delete account."));
            return;
        }
        self->showInformation(tr("Account Scheduled for Deletion"),
                              tr("Your account will be permanently deleted in 30 days. "
                                             "You can recover it by signing in before then."));
        if (self)
            Q_EMIT self->logoutRequested();
    });
}

// ---- group -----------------------------------------------------------------

QWidget *AccountScreen::createGroupTab()
{
    return createContentPage(tr("Group"), &m_groupPageLayout, &m_groupContent);
}

void AccountScreen::refreshGroup()
{
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->getGroup([self](bool ok, const LumoAccount::Group &group) {
        if (!self)
            return;
        if (ok)
            self->populateGroup(group);
        else
            self->showFetchFailure(self->m_groupPageLayout, &self->m_groupContent,
                                   tr("Could not load your group. Try again later."));
    });
}

void AccountScreen::populateGroup(const LumoAccount::Group &group)
{
    QWidget *content = replaceContent(m_groupPageLayout, &m_groupContent, 8);
    auto *layout = static_cast<QVBoxLayout *>(content->layout());

    if (group.id.isEmpty()) {
        layout->addWidget(createSection(tr("No Group"),
                                        tr("You're not part of a group. The group owner "
                                                       "can invite you, or you can join with an "
                                                       "invite code.")));
        auto *row = new QHBoxLayout;
        auto *join = new QPushButton(tr("Join with Invite Code"), content);
        connect(join, &QPushButton::clicked, this, &AccountScreen::joinGroupWithCode);
        row->addWidget(join);
        row->addStretch();
        layout->addLayout(row);
        return;
    }

    layout->addWidget(createSection(group.name, tr("%1 of %2 seats used")
                                                    .arg(group.members.size())
                                                    .arg(group.maxSeats)));
    layout->addSpacing(4);
    auto *membersHeading = new QLabel(tr("Members"), content);
    setWeight(membersHeading, 500);
    layout->addWidget(membersHeading);

    const bool viewerIsOwner = isOwnerRole(m_client->claims());
    for (const GroupMember &member : group.members) {
        const QString displayText = member.displayName.isEmpty() ? member.email : member.displayName;
        auto *row = new QWidget(content);
        row->setObjectName(QStringLiteral("memberRow"));
        auto *rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(12, 6, 0, 6);
        auto *text = new QVBoxLayout;
        text->setSpacing(2);
        QLabel *name = plainLabel(displayText, row);
        setWeight(name, 500);
        text->addWidget(name);
        if (!member.email.isEmpty() && member.email != displayText) {
            QLabel *email = plainLabel(member.email, row);
            setSmallType(email);
            setMuted(email);
            text->addWidget(email);
        }
        rowLayout->addLayout(text);
        rowLayout->addStretch();
        const bool memberIsOwner = member.role == QLatin1String("owner");
        if (memberIsOwner) {
            auto *badge = new QLabel(tr("Owner"), row);
            setSmallerType(badge);
            setWeight(badge, 500);
            followPalette(badge, [badge] { setTextColor(badge, accentColorForPalette()); });
            rowLayout->addWidget(badge);
        }
        if (viewerIsOwner && !memberIsOwner) {
            auto *remove = new QPushButton(tr("Remove"), row);
            const QString memberId = member.accountId;
            connect(remove, &QPushButton::clicked, this,
                    [this, displayText, memberId] { confirmRemoveMember(displayText, memberId); });
            rowLayout->addWidget(remove);
        }
        layout->addWidget(row);
    }

    if (!viewerIsOwner) {
        layout->addSpacing(12);
        layout->addWidget(createSeparator());
        layout->addSpacing(4);
        QHBoxLayout *row = rowLayout(12, 0, 0, 0);
        auto *leave = new QPushButton(tr("Leave Group"), content);
        connect(leave, &QPushButton::clicked, this, &AccountScreen::confirmLeaveGroup);
        row->addWidget(leave);
        row->addStretch();
        layout->addLayout(row);
        return;
    }

    if (!group.pendingInvitations.isEmpty()) {
        layout->addSpacing(8);
        layout->addWidget(createSeparator());
        layout->addSpacing(4);
        auto *heading = new QLabel(tr("Pending Invitations"), content);
        setWeight(heading, 500);
        layout->addWidget(heading);
        for (const GroupInvitation &invitation : group.pendingInvitations) {
            QHBoxLayout *row = rowLayout(12, 4, 0, 4);
            const QString shown = invitation.invitedEmail.isEmpty()
                ? tr("Invite code: %1").arg(invitation.inviteCode)
                : invitation.invitedEmail;
            row->addWidget(plainLabel(shown, content));
            row->addStretch();
            auto *revoke = new QPushButton(tr("Revoke"), content);
            const QString invitationId = invitation.id;
            connect(revoke, &QPushButton::clicked, this,
                    [this, invitationId] { revokeInvitation(invitationId); });
            row->addWidget(revoke);
            layout->addLayout(row);
        }
    }

    layout->addSpacing(12);
    layout->addWidget(createSeparator());
    layout->addSpacing(4);
    layout->addWidget(createSection(tr("Invite Members"), QString()));
    QHBoxLayout *row = rowLayout(12, 0, 0, 0);
    row->setSpacing(8);
    auto *byEmail = new QPushButton(tr("Invite by Email"), content);
    connect(byEmail, &QPushButton::clicked, this, &AccountScreen::inviteByEmail);
    auto *generate = new QPushButton(tr("Generate Invite Code"), content);
    connect(generate, &QPushButton::clicked, this, &AccountScreen::generateInviteCode);
    row->addWidget(byEmail);
    row->addWidget(generate);
    row->addStretch();
    layout->addLayout(row);
}

void AccountScreen::joinGroupWithCode()
{
    QString typed;
    if (!askText(tr("Join Group"), tr("Enter invite code:"), false,
                 QString(), &typed))
        return;
    const QString code = typed.trimmed();
    if (code.isEmpty())
        return;
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->joinGroup(code, [self](bool ok) {
        if (!self)
            return;
        if (!ok) {
            self->showError(tr("Invalid or expired invite code."));
            return;
        }
        self->showSuccess(tr("Joined group."));
        self->refreshGroup();
    });
}

void AccountScreen::inviteByEmail()
{
    QString typed;
    if (!askText(tr("Invite by Email"), tr("Email address:"), false,
                 QString(), &typed))
        return;
    const QString email = typed.trimmed();
    if (email.isEmpty())
        return;
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->inviteByEmail(email, [self](const GroupInvitation &invitation) {
        if (!self)
            return;
        if (invitation.id.isEmpty()) {
            self->showError(tr("Failed to send invitation."));
            return;
        }
        self->showSuccess(tr("Invitation sent."));
        self->refreshGroup();
    });
}

void AccountScreen::generateInviteCode()
{
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->generateInviteCode([self](const GroupInvitation &invitation) {
        if (self)
            self->onInviteCodeGenerated(invitation);
    });
}

void AccountScreen::onInviteCodeGenerated(const GroupInvitation &invitation)
{
    if (invitation.inviteCode.isEmpty()) {
        showError(tr("Failed to generate code."));
        return;
    }
    QPointer<AccountScreen> self(this);
    showInformation(tr("Invite Code"),
                    tr("Share this code with the person you want to invite:\n\n%1")
                        .arg(invitation.inviteCode));
    if (self)
        refreshGroup();
}

void AccountScreen::finishAction(bool ok, const QString &success, const QString &failure,
                                 void (AccountScreen::*refetch)())
{
    if (ok)
        showSuccess(success);
    else
        showError(failure);
    QTimer::singleShot(RefetchDelayMs, this, [this, refetch] { (this->*refetch)(); });
}

void AccountScreen::revokeInvitation(const QString &invitationId)
{
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->revokeInvitation(invitationId, [self](bool ok) {
        if (self)
            self->finishAction(ok, tr("Invitation revoked."),
                               tr("Failed to revoke invitation."),
                               &AccountScreen::refreshGroup);
    });
}

void AccountScreen::confirmRemoveMember(const QString &displayText, const QString &memberId)
{
    if (!askQuestion(tr("Remove Member"),
                     tr("Remove %1 from the group?").arg(displayText)))
        return;
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->removeMember(memberId, [self, displayText](bool ok) {
        if (self)
            self->finishAction(ok, tr("%1 removed.").arg(displayText),
                               tr("Failed to remove %1.").arg(displayText),
                               &AccountScreen::refreshGroup);
    });
}

void AccountScreen::confirmLeaveGroup()
{
    if (!askQuestion(tr("Leave Group"),
                     tr("Leave this group? You will lose access to shared data.")))
        return;
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->leaveGroup([self](bool ok) {
        if (self)
            self->finishAction(ok, tr("Left group."),
                               tr("Failed to leave group."),
                               &AccountScreen::refreshGroup);
    });
}

// ---- devices ---------------------------------------------------------------

QWidget *AccountScreen::createDevicesTab()
{
    return createContentPage(tr("Devices"), &m_devicesPageLayout, &m_devicesContent);
}

void AccountScreen::refreshDevices()
{
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->getDevices([self](bool ok, const QList<Device> &devices) {
        if (!self)
            return;
        if (ok)
            self->populateDevices(devices);
        else
            self->showFetchFailure(self->m_devicesPageLayout, &self->m_devicesContent,
                                   tr("Could not load your devices. Try again later."));
    });
}

void AccountScreen::populateDevices(const QList<Device> &devices)
{
    QWidget *content = replaceContent(m_devicesPageLayout, &m_devicesContent, 4);
    auto *layout = static_cast<QVBoxLayout *>(content->layout());
    layout->addWidget(createSection(tr("Registered Devices"),
                                    tr("Devices that have synced with your account.")));
    if (devices.isEmpty()) {
        auto *empty = new QLabel(tr("No devices registered."), content);
        setMuted(empty);
        empty->setContentsMargins(12, 0, 0, 0);
        layout->addWidget(empty);
        return;
    }
    for (const Device &device : devices) {
        QLabel *name = plainLabel(
            device.deviceName.isEmpty() ? tr("Unknown Device") : device.deviceName,
            content);
        QFont bold = name->font();
        bold.setBold(true);
        name->setFont(bold);
        QString details = device.platform;
        if (!device.appVersion.isEmpty())
            details += QStringLiteral("  \u00B7  v%1").arg(device.appVersion);
        QLabel *detailsLabel = plainLabel(details, content);
        QLabel *lastSync = plainLabel(formatRelativeTime(device.lastSyncAt), content);
        for (QLabel *muted : {detailsLabel, lastSync}) {
            setMuted(muted);
            setSmallType(muted);
        }
        auto *remove = new QPushButton(tr("Remove"), content);
        const QString deviceId = device.id;
        const QString deviceName = device.deviceName;
        connect(remove, &QPushButton::clicked, this,
                [this, deviceId, deviceName] { confirmRemoveDevice(deviceId, deviceName); });
        addListRow(layout, {name, detailsLabel, lastSync}, remove);
    }
}

void AccountScreen::confirmRemoveDevice(const QString &deviceId, const QString &deviceName)
{
    if (!askQuestion(tr("Remove Device"), tr("Remove %1?").arg(deviceName)))
        return;
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->removeDevice(deviceId, [self](bool ok) {
        if (self)
            self->finishAction(ok, tr("Device removed."),
                               tr("Failed to remove device."),
                               &AccountScreen::refreshDevices);
    });
}

// ---- sessions --------------------------------------------------------------

QWidget *AccountScreen::createSecurityTab()
{
    return createContentPage(tr("Security"), &m_securityPageLayout, &m_sessionsContent);
}

void AccountScreen::refreshSessions()
{
    QPointer<AccountScreen> self(this);
    m_client->authClient()->listSessions([self](bool ok, const QList<Session> &sessions) {
        if (!self)
            return;
        if (ok)
            self->populateSessions(sessions);
        else
            self->showFetchFailure(self->m_securityPageLayout, &self->m_sessionsContent,
                                   tr("Could not load your sessions. Try again later."));
    });
}

void AccountScreen::populateSessions(const QList<Session> &sessions)
{
    QWidget *content = replaceContent(m_securityPageLayout, &m_sessionsContent, 8);
    auto *layout = static_cast<QVBoxLayout *>(content->layout());
    layout->addWidget(createSection(tr("Active Sessions"),
                                    tr("Sessions currently signed in to your account.")));
    if (sessions.isEmpty()) {
        auto *empty = new QLabel(tr("No active sessions."), content);
        empty->setContentsMargins(12, 0, 0, 0);
        layout->addWidget(empty);
        return;
    }
    for (const Session &session : sessions) {
        QString client = session.userAgent;
        if (client.isEmpty())
            client = tr("Unknown client");
        else if (client.size() > MaxUserAgentLength)
            client = client.left(MaxUserAgentLength) + QStringLiteral("...");
        QLabel *clientLabel = plainLabel(client, content);
        setWeight(clientLabel, 500);
        QString details = session.isCurrent ? tr("This session")
                                            : formatRelativeTime(session.lastActiveAt);
        if (!session.ipAddress.isEmpty())
            details += QStringLiteral("  \u00B7  %1").arg(session.ipAddress);
        QLabel *detailsLabel = plainLabel(details, content);
        setMuted(detailsLabel);
        setSmallType(detailsLabel);
        QWidget *trailing = nullptr;
        if (session.isCurrent) {
            trailing = new QLabel(tr("Current"), content);
            setWeight(trailing, 500);
            followPalette(trailing, [trailing] { setTextColor(trailing, positiveAmountColor()); });
        } else {
            auto *revoke = new QPushButton(tr("Revoke"), content);
            const QString sessionId = session.id;
            connect(revoke, &QPushButton::clicked, this,
                    [this, sessionId] { revokeSession(sessionId); });
            trailing = revoke;
        }
        addListRow(layout, {clientLabel, detailsLabel}, trailing);
    }
}

void AccountScreen::revokeSession(const QString &sessionId)
{
    QPointer<AccountScreen> self(this);
    m_client->authClient()->revokeSession(sessionId, [self](bool ok) {
        if (self)
            self->finishAction(ok, tr("Session revoked."),
                               tr("Failed to revoke session."),
                               &AccountScreen::refreshSessions);
    });
}

QString AccountScreen::formatRelativeTime(const QDateTime &time)
{
    return formatRelativeTime(time, QDateTime::currentDateTimeUtc());
}

QString AccountScreen::formatRelativeTime(const QDateTime &time, const QDateTime &nowUtc)
{
    if (!time.isValid())
        return tr("Unknown");
    const qint64 seconds = time.secsTo(nowUtc);
    if (seconds < 60)
        return tr("Active now");
    if (seconds < 3600)
        return tr("%1m ago").arg(seconds / 60);
    if (seconds < 86400)
        return tr("%1h ago").arg(seconds / 3600);
    if (seconds < 604800)
        return tr("%1d ago").arg(seconds / 86400);
    return time.toLocalTime().toString(QStringLiteral("MMM d, yyyy"));
}

} // namespace LumoAccount
