#include "ui/welcomescreen.h"

#include "ui/palettehelpers.h"
#include "ui/thememanager.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

WelcomeScreen::WelcomeScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
{
    auto *pageLayout = new QVBoxLayout(this);
    pageLayout->setContentsMargins(0, 0, 0, 0);

    auto *scrollArea = new QScrollArea(this);
    scrollArea->setWidgetResizable(true);
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    pageLayout->addWidget(scrollArea);

    auto *scrollContent = new QWidget(scrollArea);
    auto *centering = new QVBoxLayout(scrollContent);
    centering->setContentsMargins(40, 40, 40, 40);
    centering->setSpacing(0);
    centering->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    centering->addWidget(buildContent());
    scrollArea->setWidget(scrollContent);

    setSessionExpired(false);
}

WelcomeScreen::~WelcomeScreen() = default;

QWidget *WelcomeScreen::buildContent()
{
    auto *column = new QWidget;
    column->setObjectName(QStringLiteral("contentColumn"));
    column->setMaximumWidth(560);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The column's height follows its content; a min-and-max constraint
    // would also lift the 560 px cap on its width.
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    auto *icon = new QLabel(column);
    icon->setPixmap(QPixmap(QStringLiteral(":/icons/icons/app_icon.png"))
                        .scaled(80, 80, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon->setAlignment(Qt::AlignCenter);
    layout->addWidget(icon, 0, Qt::AlignHCenter);
    layout->addSpacing(20);

    m_titleLabel = new QLabel(column);
    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    applyFontRole(m_titleLabel, 5);
    m_titleLabel->setAlignment(Qt::AlignCenter);
    m_titleLabel->setWordWrap(true);
    layout->addWidget(m_titleLabel);
    layout->addSpacing(8);

    m_taglineLabel = new QLabel(column);
    m_taglineLabel->setObjectName(QStringLiteral("taglineLabel"));
    applyFontRole(m_taglineLabel, 3);
    m_taglineLabel->setAlignment(Qt::AlignCenter);
    setThemedTextColor(m_taglineLabel, QColor("#8FAF9F"), QColor("#4A6358"));
    layout->addWidget(m_taglineLabel);
    layout->addSpacing(16);

    m_sessionNoteLabel = new QLabel(tr("Your session has ended. Sign back in to keep syncing."), column);
    m_sessionNoteLabel->setObjectName(QStringLiteral("sessionNoteLabel"));
    m_sessionNoteLabel->setAlignment(Qt::AlignCenter);
    m_sessionNoteLabel->setWordWrap(true);
    applyFontRole(m_sessionNoteLabel, 1);
    setAccentTextColor(m_sessionNoteLabel);
    m_sessionNoteLabel->hide();
    layout->addWidget(m_sessionNoteLabel);
    layout->addSpacing(8);

    m_howItWorksCard = buildHowItWorksCard();
    layout->addWidget(m_howItWorksCard);
    layout->addSpacing(16);

    auto *offlineNote = new QLabel(tr("Works fully offline. Your data stays on this device."), column);
    offlineNote->setAlignment(Qt::AlignCenter);
    offlineNote->setWordWrap(true);
    applyFontRole(offlineNote, 2);
    offlineNote->setStyleSheet(mutedTextStyle());
    layout->addWidget(offlineNote);
    layout->addSpacing(24);

    m_createButton = new QPushButton(column);
    m_createButton->setObjectName(QStringLiteral("createAccountButton"));
    m_createButton->setCursor(Qt::PointingHandCursor);
    connect(m_createButton, &QPushButton::clicked, this, &WelcomeScreen::createAccountRequested);
    layout->addWidget(m_createButton);
    layout->addSpacing(20);

    m_signInButton = new QPushButton(column);
    m_signInButton->setObjectName(QStringLiteral("signInButton"));
    m_signInButton->setCursor(Qt::PointingHandCursor);
    connect(m_signInButton, &QPushButton::clicked, this, &WelcomeScreen::signInRequested);
    layout->addWidget(m_signInButton, 0, Qt::AlignHCenter);

    return column;
}

QWidget *WelcomeScreen::buildHowItWorksCard()
{
    auto *card = new QWidget;
    card->setObjectName(QStringLiteral("HowItWorksCard"));
    setThemedStyleSheet(card, [] {
        return QStringLiteral("#HowItWorksCard { border: 1px solid %1; border-radius: 10px; }")
            .arg(isDarkPalette() ? QStringLiteral("#2A4038") : QStringLiteral("#D8E0DB"));
    });
    auto *layout = new QVBoxLayout(card);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(8);

    auto *title = new QLabel(tr("How it works"), card);
    applyFontRole(title, 3);
    layout->addWidget(title);
    layout->addSpacing(4);

    layout->addWidget(buildStepRow(
        1, tr("Add an account (checking, savings, credit card, or any account you'd like to track).")));
    layout->addWidget(buildStepRow(2, tr("Record transactions as you spend.")));
    layout->addWidget(buildStepRow(3, tr("Reconcile when your statement arrives.")));
    return card;
}

QWidget *WelcomeScreen::buildStepRow(int number, const QString &text)
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 4, 0, 4);
    layout->setSpacing(12);

    auto *numberLabel = new QLabel(QString::number(number) + QLatin1Char('.'), row);
    applyFontRole(numberLabel, 1);
    setAccentTextColor(numberLabel);
    numberLabel->setFixedWidth(20);
    numberLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(numberLabel, 0, Qt::AlignTop);

    auto *textLabel = new QLabel(text, row);
    textLabel->setWordWrap(true);
    layout->addWidget(textLabel, 1);
    return row;
}

void WelcomeScreen::stylePrimary(QPushButton *button)
{
    button->setFlat(false);
    setThemedStyleSheet(button, [] { return ThemeManager::accentButtonStyleSheet(); });
    button->setMinimumHeight(40);
}

void WelcomeScreen::styleSecondary(QPushButton *button)
{
    button->setFlat(true);
    setAccentTextColor(button);
    button->setMinimumHeight(0);
}

void WelcomeScreen::setSessionExpired(bool expired)
{
    if (expired) {
        m_titleLabel->setText(tr("Welcome back"));
        m_taglineLabel->setText(tr("Sign in to keep your data synced across devices."));
        m_signInButton->setText(tr("Sign In"));
        m_createButton->setText(tr("Create a different account"));
        stylePrimary(m_signInButton);
        styleSecondary(m_createButton);
    } else {
        m_titleLabel->setText(tr("Welcome to\nLumora Tallyra"));
        m_taglineLabel->setText(tr("A digital tallyra register."));
        m_signInButton->setText(tr("Already have an account? Sign In"));
        m_createButton->setText(tr("Create Your First Account"));
        stylePrimary(m_createButton);
        styleSecondary(m_signInButton);
    }
    m_sessionNoteLabel->setVisible(expired);
    m_howItWorksCard->setVisible(!expired);
}
