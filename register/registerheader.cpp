#include "register/registerheader.h"

#include "data/money.h"
#include "register/elidedlabel.h"
#include "register/wrappingrowlayout.h"
#include "ui/palettehelpers.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

// The texts keep the register screen's context, in which they are translated.
RegisterHeader::RegisterHeader(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // Too narrow for the whole title beside the rest, the title gets a line of its own.
    auto *header = new WrappingRowLayout;
    header->setSpacing(16);
    // A long name shortens with an ellipsis rather than widening the window.
    m_titleLabel = new ElidedLabel(this);
    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    m_titleLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // The account's name and institution are data: never read as markup.
    m_titleLabel->setTextFormat(Qt::PlainText);
    applyFontRole(m_titleLabel, 5);
    header->addWidget(m_titleLabel, 1);
    header->addWidget(makeSummaryField(QCoreApplication::translate("RegisterScreen", "Cleared"), &m_clearedValue, false));
    header->addWidget(makeSummaryField(QCoreApplication::translate("RegisterScreen", "Uncleared"), &m_unclearedValue, false));
    header->addWidget(makeSummaryField(QCoreApplication::translate("RegisterScreen", "Balance"), &m_balanceValue, true));
    m_clearedValue->setObjectName(QStringLiteral("clearedValue"));
    m_unclearedValue->setObjectName(QStringLiteral("unclearedValue"));
    m_balanceValue->setObjectName(QStringLiteral("balanceValue"));

    auto *newButton = new QPushButton(QCoreApplication::translate("RegisterScreen", "&New Transaction"), this);
    newButton->setObjectName(QStringLiteral("newTransactionButton"));
    newButton->setFocusPolicy(Qt::ClickFocus);
    markAccentButton(newButton);
    newButton->setToolTip(QCoreApplication::translate("RegisterScreen", "Add a transaction using the full form"));
    connect(newButton, &QPushButton::clicked, this, &RegisterHeader::newTransactionClicked);
    header->addWidget(newButton);

    m_filterButton = new QPushButton(this);
    m_filterButton->setObjectName(QStringLiteral("filterButton"));
    m_filterButton->setFocusPolicy(Qt::ClickFocus);
    connect(m_filterButton, &QPushButton::clicked, this, &RegisterHeader::filterClicked);
    header->addWidget(m_filterButton);

    auto *reconcileButton = new QPushButton(QCoreApplication::translate("RegisterScreen", "&Reconcile"), this);
    reconcileButton->setObjectName(QStringLiteral("reconcileButton"));
    reconcileButton->setFocusPolicy(Qt::ClickFocus);
    connect(reconcileButton, &QPushButton::clicked, this, &RegisterHeader::reconcileClicked);
    header->addWidget(reconcileButton);
    layout->addLayout(header);

    m_subtitleLabel = new ElidedLabel(this);
    m_subtitleLabel->setObjectName(QStringLiteral("subtitleLabel"));
    m_subtitleLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_subtitleLabel->setTextFormat(Qt::PlainText);
    applyFontRole(m_subtitleLabel, 2);
    m_subtitleLabel->setStyleSheet(mutedTextStyle());
    layout->addWidget(m_subtitleLabel);
    showFilterCount(0);
}

QWidget *RegisterHeader::makeSummaryField(const QString &caption, QLabel **valueLabel, bool bold)
{
    auto *field = new QWidget(this);
    auto *layout = new QVBoxLayout(field);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    auto *captionLabel = new QLabel(caption, field);
    applyFontRole(captionLabel, 2);
    captionLabel->setStyleSheet(mutedTextStyle());
    captionLabel->setAlignment(Qt::AlignCenter);
    auto *value = new QLabel(field);
    if (bold)
        applyFontRoleWithWeight(value, 3, 700);
    else
        applyFontRole(value, 3);
    value->setAlignment(Qt::AlignCenter);
    layout->addWidget(captionLabel);
    layout->addWidget(value);
    *valueLabel = value;
    return field;
}

void RegisterHeader::showAccount(const Account &account)
{
    m_titleLabel->setFullText(account.name);
    // Tool tips guess the format: a name that looks like markup must not be read as such.
    m_titleLabel->setToolTip(Qt::convertFromPlainText(account.name, Qt::WhiteSpacePre));
    QString subtitle = account.institution;
    if (!account.institution.isEmpty() && !account.accountNumberLast4.isEmpty())
        subtitle += QStringLiteral("  ·  *%1").arg(account.accountNumberLast4);
    m_subtitleLabel->setFullText(subtitle);
    m_subtitleLabel->setToolTip(Qt::convertFromPlainText(subtitle, Qt::WhiteSpacePre));
    m_subtitleLabel->setVisible(!subtitle.isEmpty());
}

void RegisterHeader::showSums(std::optional<qint64> cleared, std::optional<qint64> uncleared, bool liability,
    Currency currency)
{
    const auto shown = [liability, currency](std::optional<qint64> sum) {
        return sum ? formatMoneySigned(*sum, liability, currency) : sumTooLargeText();
    };
    const std::optional<qint64> total = cleared && uncleared ? checkedSum(*cleared, *uncleared) : std::nullopt;
    m_clearedValue->setText(shown(cleared));
    m_unclearedValue->setText(shown(uncleared));
    m_balanceValue->setText(shown(total));
    const bool negative = total && (liability ? *total > 0 : *total < 0);
    setThemedStyleSheet(m_balanceValue, [negative] {
        const QColor color = negative ? negativeAmountColor() : positiveAmountColor();
        return QStringLiteral("color: %1;").arg(color.name());
    });
}

void RegisterHeader::showFilterCount(int count)
{
    QFont font = m_filterButton->font();
    font.setWeight(count > 0 ? QFont::Bold : QFont::Normal);
    m_filterButton->setFont(font);
    if (count > 0) {
        m_filterButton->setText(QCoreApplication::translate("RegisterScreen", "Fi&lter (%1)").arg(count));
        m_filterButton->setToolTip(QCoreApplication::translate("RegisterScreen", "Filters are applied. Click to change or clear them."));
    } else {
        m_filterButton->setText(QCoreApplication::translate("RegisterScreen", "Fi&lter"));
        m_filterButton->setToolTip(QCoreApplication::translate("RegisterScreen", "Filter which transactions are listed"));
    }
}
