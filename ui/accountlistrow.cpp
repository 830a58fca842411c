#include "ui/accountlistrow.h"

#include "data/money.h"
#include "register/elidedlabel.h"
#include "ui/palettehelpers.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QWidget>

namespace {

QString colorStyle(const QColor &color)
{
    return QStringLiteral("color: %1;").arg(color.name());
}

QColor nameColor()
{
    return QColor(isDarkPalette() ? "#FFFFFF" : "#12211B");
}

QString secondLineText(const Account &account)
{
    QString text = account.institution.isEmpty() ? accountTypeDisplayName(account.accountType) : account.institution;
    if (!account.accountNumberLast4.isEmpty())
        text += QStringLiteral("  ·  *%1").arg(account.accountNumberLast4);
    return text;
}

} // namespace

QList<CurrencyTotal> totalsByCurrency(const QList<AccountBalance> &balances)
{
    QList<CurrencyTotal> totals;
    for (const AccountBalance &entry : balances) {
        auto it = std::find_if(totals.begin(), totals.end(),
            [&entry](const CurrencyTotal &total) { return total.currency == entry.account.currency; });
        if (it == totals.end()) {
            totals.append({entry.account.currency, qint64(0)});
            it = totals.end() - 1;
        }
        if (!it->total)
            continue;
        it->total = entry.balance ? checkedSum(*it->total, *entry.balance) : std::nullopt;
    }
    return totals;
}

QString formatCurrencyTotals(const QList<CurrencyTotal> &totals)
{
    QStringList parts;
    for (const CurrencyTotal &total : totals)
        parts.append(total.total ? formatMoney(*total.total, total.currency) : sumTooLargeText());
    return parts.join(QStringLiteral("  ·  "));
}

QChar accountTypeGlyph(AccountType type)
{
    switch (type) {
    case AccountType::Checking:
        return QChar(0xE84F);
    case AccountType::Savings:
        return QChar(0xE2EB);
    case AccountType::CreditCard:
        return QChar(0xE870);
    case AccountType::Cash:
        return QChar(0xE57D);
    case AccountType::Investment:
        return QChar(0xE8E5);
    case AccountType::Loan:
        return QChar(0xF1B6);
    case AccountType::Other:
        break;
    }
    return QChar(0xE850);
}

QWidget *createAccountRowWidget(const AccountBalance &entry)
{
    const Account &account = entry.account;
    const bool liability = isLiabilityType(account.accountType);

    auto *row = new QWidget;
    auto *rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(6, 8, 8, 8);
    rowLayout->setSpacing(8);

    auto *icon = new QLabel(QString(accountTypeGlyph(account.accountType)), row);
    icon->setObjectName(QStringLiteral("accountIcon"));
    icon->setFixedSize(24, 24);
    icon->setAlignment(Qt::AlignCenter);
    QFont iconFont(QStringLiteral("Material Icons"));
    iconFont.setPixelSize(22);
    icon->setFont(iconFont);
    icon->setStyleSheet(colorStyle(accentColorForPalette()));
    rowLayout->addWidget(icon, 0, Qt::AlignVCenter);

    auto *textColumn = new QVBoxLayout;
    textColumn->setSpacing(3);

    auto *firstLine = new QHBoxLayout;
    firstLine->setSpacing(8);
    auto *name = new ElidedLabel(row);
    name->setObjectName(QStringLiteral("accountName"));
    name->setTextFormat(Qt::PlainText);
    applyFontRole(name, 1);
    name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    name->setStyleSheet(colorStyle(nameColor()));
    name->setFullText(account.name);
    // Tool tips guess the format: a name that looks like markup must not be read as such.
    name->setToolTip(Qt::convertFromPlainText(account.name, Qt::WhiteSpaceNoWrap));
    firstLine->addWidget(name, 1, Qt::AlignVCenter);

    auto *balance = new QLabel(row);
    balance->setObjectName(QStringLiteral("accountBalance"));
    balance->setTextFormat(Qt::PlainText);
    applyFontRole(balance, 7);
    balance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (entry.balance) {
        const qint64 stored = *entry.balance;
        const bool shownNegative = liability ? stored > 0 : stored < 0;
        balance->setText(formatMoneySigned(stored, liability, account.currency));
        const QColor color = shownNegative ? negativeAmountColor() : (liability ? nameColor() : positiveAmountColor());
        balance->setStyleSheet(colorStyle(color));
    } else {
        balance->setText(sumTooLargeText());
        balance->setStyleSheet(colorStyle(warningColor()));
    }
    balance->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    balance->setMinimumWidth(QFontMetrics(balance->font()).horizontalAdvance(balance->text()) + 4);
    firstLine->addWidget(balance, 0, Qt::AlignVCenter);
    textColumn->addLayout(firstLine);

    auto *secondLine = new QLabel(row);
    secondLine->setObjectName(QStringLiteral("accountDetail"));
    secondLine->setTextFormat(Qt::PlainText);
    secondLine->setText(secondLineText(account));
    applyFontRole(secondLine, 2);
    secondLine->setStyleSheet(colorStyle(QColor(isDarkPalette() ? "#8FAF9F" : "#4A6358")));
    textColumn->addWidget(secondLine);

    rowLayout->addLayout(textColumn, 1);
    return row;
}
