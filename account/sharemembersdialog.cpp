#include "account/sharemembersdialog.h"

#include "account/accountclient.h"
#include "account/client.h"
#include "account/sharingbackend.h"
#include "ui/windowsize.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QSet>
#include <QToolButton>
#include <QVBoxLayout>

namespace LumoAccount {

namespace {

constexpr int AvatarSize = 36;

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

// Failures read like the error line.
void markAsFailure(QLabel *label)
{
    label->setStyleSheet(QStringLiteral("QLabel { color: #b00020; }"));
}

void setWeight(QWidget *widget, int weight)
{
    QFont font = widget->font();
    font.setWeight(static_cast<QFont::Weight>(weight));
    widget->setFont(font);
}

} // namespace

ShareMembersDialog::ShareMembersDialog(Client *client, SharingBackend *backend,
                                       const QString &accountId, const Texts &texts,
                                       QWidget *parent)
    : QDialog(parent)
    , m_client(client)
    , m_backend(backend)
    , m_accountId(accountId)
    , m_texts(texts)
{
    setModal(true);
    m_confirm = [this](const QString &title, const QString &text) {
        // The text names a person as the service spelled them: shown as typed.
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                        this);
        box.setTextFormat(Qt::PlainText);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    };
    buildWindow();
    reload();
}

QString ShareMembersDialog::textOr(const QString &given, const QString &fallback) const
{
    return given.isEmpty() ? fallback : given;
}

void ShareMembersDialog::buildWindow()
{
    setWindowTitle(m_texts.title);
    setMinimumSize(560, 560);
    WindowSize::resizeToFit(this, QSize(620, 620));
    const QColor placeholder = palette().color(QPalette::PlaceholderText);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(12);

    if (!m_texts.heading.isEmpty()) {
        auto *heading = new QLabel(m_texts.heading, this);
        heading->setObjectName(QStringLiteral("headingLabel"));
        // The heading names the shared account: data, never markup.
        heading->setTextFormat(Qt::PlainText);
        heading->setWordWrap(true);
        QFont font = heading->font();
        font.setPointSize(font.pointSize() + 2);
        font.setWeight(static_cast<QFont::Weight>(600));
        heading->setFont(font);
        layout->addWidget(heading);
    }
    if (!m_texts.description.isEmpty()) {
        auto *description = new QLabel(m_texts.description, this);
        description->setWordWrap(true);
        setTextColor(description, placeholder);
        layout->addWidget(description);
    }

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setStyleSheet(QStringLiteral("color: rgba(128,128,128,0.25);"));
    layout->addWidget(line);

    m_errorLabel = new QLabel(this);
    m_errorLabel->setObjectName(QStringLiteral("errorLabel"));
    m_errorLabel->setTextFormat(Qt::PlainText);
    m_errorLabel->setWordWrap(true);
    m_errorLabel->setStyleSheet(QStringLiteral("QLabel { color: #b00020; padding: 4px 0; }"));
    m_errorLabel->hide();
    layout->addWidget(m_errorLabel);

    auto *scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto *content = new QWidget(scroll);
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->setSpacing(8);

    auto *withAccessSection = new QVBoxLayout;
    withAccessSection->setContentsMargins(0, 0, 0, 0);
    withAccessSection->setSpacing(4);
    auto *withAccessCaption =
        new QLabel(textOr(m_texts.withAccessLabel, tr("People with access")), content);
    setWeight(withAccessCaption, 600);
    withAccessSection->addWidget(withAccessCaption);
    m_withAccessList = new QVBoxLayout;
    m_withAccessList->setContentsMargins(0, 0, 0, 0);
    m_withAccessList->setSpacing(2);
    withAccessSection->addLayout(m_withAccessList);
    contentLayout->addLayout(withAccessSection);

    auto *addSection = new QVBoxLayout;
    addSection->setContentsMargins(0, 8, 0, 0);
    addSection->setSpacing(4);
    auto *addCaption = new QLabel(textOr(m_texts.addPeopleLabel, tr("Add people")), content);
    setWeight(addCaption, 600);
    addSection->addWidget(addCaption);
    m_candidateList = new QVBoxLayout;
    m_candidateList->setContentsMargins(0, 0, 0, 0);
    m_candidateList->setSpacing(2);
    addSection->addLayout(m_candidateList);

    const auto makeHint = [&](const QString &text, const char *name) {
        auto *hint = new QLabel(text, content);
        hint->setObjectName(QLatin1String(name));
        hint->setWordWrap(true);
        hint->setContentsMargins(0, 8, 0, 0);
        setTextColor(hint, placeholder);
        hint->hide();
        addSection->addWidget(hint);
        return hint;
    };
    m_noGroupHint = makeHint(
        textOr(m_texts.noGroupText,
               tr("You are not in a family group yet. Create or join one on your account page "
                  "to share accounts.")),
        "noGroupHint");
    m_allHaveAccessHint = makeHint(
        textOr(m_texts.allHaveAccessText, tr("All group members already have access")),
        "allHaveAccessHint");
    m_loadFailedHint = makeHint(QString(), "loadFailedHint");
    m_loadFailedHint->setTextFormat(Qt::PlainText);
    markAsFailure(m_loadFailedHint);
    contentLayout->addLayout(addSection);
    contentLayout->addStretch();
    scroll->setWidget(content);
    layout->addWidget(scroll, 1);

    auto *bottomRow = new QHBoxLayout;
    bottomRow->addStretch();
    auto *closeButton = new QPushButton(textOr(m_texts.closeButtonText, tr("Close")), this);
    closeButton->setDefault(true);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    bottomRow->addWidget(closeButton);
    layout->addLayout(bottomRow);
}

void ShareMembersDialog::reload()
{
    QPointer<ShareMembersDialog> self(this);
    m_client->accountClient()->getProfile([self](bool ok, const Profile &profile) {
        if (!self)
            return;
        self->m_ownAccountId = profile.id;
        self->m_profileFetch = ok ? Fetch::Loaded : Fetch::Failed;
        self->m_client->accountClient()->getGroup([self](bool ok, const Group &group) {
            if (!self)
                return;
            self->m_members = group.members;
            self->m_groupFetch = ok ? Fetch::Loaded : Fetch::Failed;
            self->rebuildLists();
        });
    });
    m_backend->listMembers(m_accountId, [self](bool ok, const QList<ShareMember> &shares) {
        if (!self)
            return;
        self->m_shares = shares;
        self->m_sharesFetch = ok ? Fetch::Loaded : Fetch::Failed;
        self->rebuildLists();
    });
}

void ShareMembersDialog::clearLayout(QVBoxLayout *layout)
{
    while (QLayoutItem *item = layout->takeAt(0)) {
        if (QWidget *widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }
}

void ShareMembersDialog::rebuildLists()
{
    clearLayout(m_withAccessList);
    clearLayout(m_candidateList);

    QSet<QString> sharedIds;
    for (const ShareMember &share : std::as_const(m_shares)) {
        if (share.role == QLatin1String("owner"))
            continue;
        m_withAccessList->addWidget(createMemberRow(share));
        sharedIds.insert(share.userId);
    }
    if (m_withAccessList->count() == 0 && m_sharesFetch != Fetch::Pending) {
        const bool failed = m_sharesFetch == Fetch::Failed;
        auto *line = new QLabel(failed ? tr("Could not load who has access. Try again later.")
                                       : textOr(m_texts.noSharesText, tr("Not shared with anyone yet.")));
        line->setObjectName(failed ? QStringLiteral("sharesFailedLabel") : QStringLiteral("noSharesLabel"));
        line->setContentsMargins(0, 4, 0, 4);
        if (failed)
            markAsFailure(line);
        else
            setTextColor(line, palette().color(QPalette::PlaceholderText));
        m_withAccessList->addWidget(line);
    }

    m_noGroupHint->hide();
    m_allHaveAccessHint->hide();
    m_loadFailedHint->hide();
    if (m_groupFetch == Fetch::Failed) {
        m_loadFailedHint->setText(tr("Could not load your family group. Try again later."));
        m_loadFailedHint->show();
        return;
    }
    if (m_groupFetch == Fetch::Pending)
        return;
    if (m_members.isEmpty()) {
        m_noGroupHint->show();
        return;
    }
    // Without the profile the user would be offered herself; without the
    // shares, people who already have access.
    if (m_profileFetch == Fetch::Failed) {
        m_loadFailedHint->setText(tr("Could not load your profile. Try again later."));
        m_loadFailedHint->show();
        return;
    }
    if (m_sharesFetch == Fetch::Failed) {
        m_loadFailedHint->setText(tr("No one can be added while it is unknown who has access."));
        m_loadFailedHint->show();
        return;
    }
    if (m_profileFetch == Fetch::Loaded && m_sharesFetch == Fetch::Loaded)
        addCandidates(sharedIds);
}

void ShareMembersDialog::addCandidates(const QSet<QString> &sharedIds)
{
    QString ownShareId;
    for (const GroupMember &member : std::as_const(m_members)) {
        if (member.accountId == m_ownAccountId) {
            ownShareId = m_backend->memberShareId(member);
            break;
        }
    }
    int candidates = 0;
    for (const GroupMember &member : std::as_const(m_members)) {
        const QString shareId = m_backend->memberShareId(member);
        if (shareId == ownShareId || sharedIds.contains(shareId))
            continue;
        m_candidateList->addWidget(createCandidateRow(member));
        ++candidates;
    }
    m_allHaveAccessHint->setVisible(candidates == 0);
}

QWidget *ShareMembersDialog::createMemberRow(ShareMember share)
{
    if (share.displayName.isEmpty() || share.email.isEmpty()) {
        for (const GroupMember &member : std::as_const(m_members)) {
            if (m_backend->memberShareId(member) != share.userId)
                continue;
            if (share.displayName.isEmpty())
                share.displayName = member.displayName;
            if (share.email.isEmpty())
                share.email = member.email;
            break;
        }
    }
    const QString shown = !share.displayName.isEmpty() ? share.displayName
        : !share.email.isEmpty()                       ? share.email
                                                       : share.userId;

    auto *button = new QToolButton;
    button->setObjectName(QStringLiteral("removeButton"));
    button->setText(QStringLiteral("\u00D7"));
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setFixedSize(28, 28);
    QFont font = button->font();
    font.setPointSize(font.pointSize() + 4);
    button->setFont(font);
    button->setToolTip(textOr(m_texts.removeButtonToolTip, tr("Remove access")));
    const QString shareId = share.id;
    connect(button, &QToolButton::clicked, this,
            [this, shareId, shown] { removeShare(shareId, shown); });

    QWidget *row = createPersonRow(shown, share.displayName, share.email,
                                   palette().color(QPalette::Highlight), button);
    row->setObjectName(QStringLiteral("memberRow"));
    return row;
}

QWidget *ShareMembersDialog::createCandidateRow(const GroupMember &member)
{
    const QString shown = member.displayName.isEmpty() ? member.email : member.displayName;
    const QString shareId = m_backend->memberShareId(member);

    auto *button = new QPushButton(textOr(m_texts.shareButtonText, tr("Share")));
    button->setObjectName(QStringLiteral("shareButton"));
    button->setCursor(Qt::PointingHandCursor);
    connect(button, &QPushButton::clicked, this,
            [this, shareId, shown] { shareWithMember(shareId, shown); });

    QColor color = palette().color(QPalette::Highlight);
    color.setAlphaF(0.55f);
    QWidget *row = createPersonRow(shown, member.displayName, member.email, color, button);
    row->setObjectName(QStringLiteral("candidateRow"));
    return row;
}

QWidget *ShareMembersDialog::createPersonRow(const QString &shown, const QString &displayName,
                                             const QString &email, const QColor &avatarColor,
                                             QWidget *button)
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 4, 0, 4);
    layout->setSpacing(10);
    layout->addWidget(createAvatar(initialsFor(displayName, email), avatarColor, AvatarSize, row));

    auto *textColumn = new QVBoxLayout;
    textColumn->setSpacing(0);
    auto *nameLabel = new QLabel(shown, row);
    nameLabel->setObjectName(QStringLiteral("nameLabel"));
    // Names and addresses come from the service: never read as markup.
    nameLabel->setTextFormat(Qt::PlainText);
    setWeight(nameLabel, 500);
    textColumn->addWidget(nameLabel);
    if (!email.isEmpty() && email != shown) {
        auto *emailLabel = new QLabel(email, row);
        emailLabel->setObjectName(QStringLiteral("emailLabel"));
        emailLabel->setTextFormat(Qt::PlainText);
        setTextColor(emailLabel, palette().color(QPalette::PlaceholderText));
        textColumn->addWidget(emailLabel);
    }
    layout->addLayout(textColumn, 1);
    button->setParent(row);
    layout->addWidget(button);
    return row;
}

QLabel *ShareMembersDialog::createAvatar(const QString &initials, const QColor &color, int size,
                                         QWidget *parent)
{
    auto *avatar = new QLabel(initials, parent);
    avatar->setObjectName(QStringLiteral("avatar"));
    avatar->setTextFormat(Qt::PlainText);
    avatar->setAlignment(Qt::AlignCenter);
    avatar->setFixedSize(size, size);
    avatar->setStyleSheet(
        QStringLiteral("QLabel { background: %1; color: white; border-radius: %2px; "
                       "font-weight: 600; }")
            .arg(color.name(QColor::HexArgb))
            .arg(size / 2));
    QFont font = avatar->font();
    font.setPointSize(qMax(8, size / 3));
    avatar->setFont(font);
    return avatar;
}

QString ShareMembersDialog::initialsFor(const QString &name, const QString &email)
{
    if (name.isEmpty())
        return email.isEmpty() ? QStringLiteral("?") : email.left(1).toUpper();
    const QStringList words = name.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() >= 2)
        return (words.first().left(1) + words.last().left(1)).toUpper();
    return name.left(1).toUpper();
}

void ShareMembersDialog::showError(const QString &text)
{
    m_errorLabel->setText(text);
    m_errorLabel->show();
}

void ShareMembersDialog::shareWithMember(const QString &memberId, const QString &shownName)
{
    if (m_busy)
        return;
    m_busy = true;
    m_errorLabel->hide();
    QPointer<ShareMembersDialog> self(this);
    m_backend->shareWith(m_accountId, memberId, m_texts.shareRole,
                         [self, shownName](bool ok, const QString &error) {
                             if (self)
                                 self->finishChange(ok, error.isEmpty()
                                                            ? tr("Could not share with %1.").arg(shownName)
                                                            : error);
                         });
}

void ShareMembersDialog::removeShare(const QString &shareId, const QString &shownName)
{
    if (m_busy)
        return;
    const QString title = textOr(m_texts.removeConfirmTitle, tr("Remove access?"));
    const QString text =
        textOr(m_texts.removeConfirmText, tr("%1 will no longer have access. Continue?"))
            .arg(shownName);
    if (!m_confirm || !m_confirm(title, text))
        return;
    m_busy = true;
    m_errorLabel->hide();
    QPointer<ShareMembersDialog> self(this);
    m_backend->removeShare(m_accountId, shareId, [self, shownName](bool ok) {
        if (self)
            self->finishChange(ok, tr("Could not remove %1.").arg(shownName));
    });
}

void ShareMembersDialog::finishChange(bool ok, const QString &errorText)
{
    m_busy = false;
    if (!ok) {
        showError(errorText);
        return;
    }
    Q_EMIT sharingChanged();
    reload();
}

} // namespace LumoAccount
