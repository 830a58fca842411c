#include "register/openingbalancebanner.h"

#include "data/money.h"
#include "register/registercolumnlayout.h"
#include "register/transactionactions.h"
#include "register/writeresultprompt.h"
#include "ui/palettehelpers.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

const QString kDismissedKey = QStringLiteral("reversedOpeningDismissed");

} // namespace

OpeningBalanceBanner::OpeningBalanceBanner(AppState *app, QWidget *parent)
    : QFrame(parent)
    , m_app(app)
{
    setObjectName(QStringLiteral("openingBalanceBanner"));
    setFrameShape(QFrame::StyledPanel);
    hide();
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 8);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("bannerLabel"));
    m_label->setWordWrap(true);
    layout->addWidget(m_label, 1);
    auto *creditButton = new QPushButton(tr("No, it is a credit"), this);
    creditButton->setObjectName(QStringLiteral("bannerCreditButton"));
    creditButton->setFocusPolicy(Qt::ClickFocus);
    connect(creditButton, &QPushButton::clicked, this, &OpeningBalanceBanner::dismiss);
    auto *oweButton = new QPushButton(tr("Yes, I owe this"), this);
    oweButton->setObjectName(QStringLiteral("bannerOweButton"));
    oweButton->setFocusPolicy(Qt::ClickFocus);
    markAccentButton(oweButton);
    connect(oweButton, &QPushButton::clicked, this, &OpeningBalanceBanner::correctSign);
    layout->addWidget(creditButton);
    layout->addWidget(oweButton);
}

void OpeningBalanceBanner::showFor(const QString &accountId)
{
    m_accountId = accountId;
    const QStringList dismissed = registerSettings().value(kDismissedKey).toStringList();
    m_shown = dismissed.contains(accountId) ? std::nullopt
                                            : TransactionActions::positiveLiabilityOpeningBalance(m_app, accountId);
    if (!m_shown) {
        hide();
        return;
    }
    const QString amount = formatMoney(m_shown->amount, TransactionActions::accountCurrency(m_app, accountId));
    m_label->setText(tr("This account's opening balance is recorded as a credit of %1. If you meant that you "
                        "owe %1, Tallyra can correct it.")
                         .arg(amount));
    show();
}

void OpeningBalanceBanner::correctSign()
{
    if (!m_shown)
        return;
    const WriteResult result = TransactionActions::fixLiabilityOpeningBalanceSign(m_app, *m_shown);
    WriteResultPrompt::reportRefusal(result, WriteResultPrompt::Subject::Account, this);
    Q_EMIT signCorrected(result);
}

void OpeningBalanceBanner::dismiss()
{
    QSettings settings = registerSettings();
    QStringList dismissed = settings.value(kDismissedKey).toStringList();
    if (!dismissed.contains(m_accountId)) {
        dismissed.append(m_accountId);
        settings.setValue(kDismissedKey, dismissed);
    }
    showFor(m_accountId);
}
