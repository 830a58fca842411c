#include "screens/reconciliationhistoryscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/money.h"
#include "data/reconciliationrepository.h"
#include "screens/screentext.h"
#include "ui/palettehelpers.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {


QTableWidgetItem *item(const QString &text)
{
    auto *cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return cell;
}

// A balance as the user reads it: what a card or loan owes is positive.
QTableWidgetItem *balanceItem(qint64 stored, bool liability, Currency currency)
{
    QTableWidgetItem *cell = item(formatMoneySigned(stored, liability, currency));
    cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const bool shownNegative = liability ? stored > 0 : stored < 0;
    if (shownNegative)
        cell->setForeground(negativeAmountColor());
    return cell;
}

} // namespace

ReconciliationHistoryScreen::ReconciliationHistoryScreen(AppState *app, QWidget *parent)
    : QWidget(parent)
    , m_app(app)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(12);

    m_title = new QLabel(tr("Reconciliation History"), this);
    m_title->setObjectName(QStringLiteral("titleLabel"));
    m_title->setTextFormat(Qt::PlainText);
    applyFontRole(m_title, 5);
    layout->addWidget(m_title);

    auto *explanation = new QLabel(tr("Past reconciliations for this account."), this);
    explanation->setStyleSheet(mutedTextStyle());
    layout->addWidget(explanation);
    layout->addSpacing(8);

    m_table = new QTableWidget(0, 4, this);
    m_table->setHorizontalHeaderLabels(
        {tr("Statement Date"), tr("Statement Balance"), tr("Reconciled Balance"), tr("Completed")});
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    header->setSectionResizeMode(3, QHeaderView::ResizeToContents);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    layout->addWidget(m_table, 1);

    m_emptyLabel = new QLabel(
        tr("No reconciliations yet. Reconcile your account from the register to see the history here."), this);
    m_emptyLabel->setObjectName(QStringLiteral("emptyLabel"));
    m_emptyLabel->setAlignment(Qt::AlignCenter);
    m_emptyLabel->setWordWrap(true);
    m_emptyLabel->setStyleSheet(QStringLiteral("color: %1; padding: 32px;").arg(mutedTextColor().name()));
    m_emptyLabel->hide();
    layout->addWidget(m_emptyLabel);
    // The negative balances carry the theme's colour in their cells.
    followPalette(m_table, [this] { populate(); });
}

void ReconciliationHistoryScreen::setAccount(const QString &accountId)
{
    m_accountId = accountId;
    populate();
}

void ReconciliationHistoryScreen::populate()
{
    if (m_accountId.isEmpty())
        return;
    bool liability = false;
    Currency currency = Currency::USD;
    if (const std::optional<Account> account = m_app->accountRepository()->findById(m_accountId)) {
        m_title->setText(tr("Reconciliation History — %1").arg(account->name));
        liability = isLiabilityType(account->accountType);
        currency = account->currency;
    }

    const QList<Reconciliation> reconciliations = m_app->reconciliationRepository()->listByAccount(m_accountId);
    m_table->setRowCount(int(reconciliations.size()));
    for (int row = 0; row < reconciliations.size(); ++row) {
        const Reconciliation &r = reconciliations.at(row);
        m_table->setItem(row, 0, item(languageDateText(r.statementDate.startOfDay(), tr("MMM d, yyyy"))));
        m_table->setItem(row, 1, balanceItem(r.statementBalance, liability, currency));
        m_table->setItem(row, 2, balanceItem(r.reconciledBalance, liability, currency));
        m_table->setItem(row, 3, item(languageDateText(r.completedAt.toLocalTime(), tr("MMM d, yyyy h:mm ap"))));
    }
    m_table->setVisible(!reconciliations.isEmpty());
    m_emptyLabel->setVisible(reconciliations.isEmpty());
}
