#include "screens/payeescreen.h"

#include "app/appstate.h"
#include "data/transactionrepository.h"
#include "register/userprompts.h"
#include "register/writeresultprompt.h"
#include "screens/screentext.h"
#include "ui/palettehelpers.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

PayeeScreen::PayeeScreen(AppState *app, QWidget *parent)
    : QWidget(parent)
    , m_app(app)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);

    auto *heading = new QLabel(tr("Payee Management"), this);
    applyFontRoleWithWeight(heading, 4, 700);
    layout->addWidget(heading);
    layout->addSpacing(8);

    // Hundreds of thousands of payees: the view reads the texts from the
    // list itself rather than from an item object made for each, with one
    // row height, laid out in batches.
    m_model = new QStringListModel(this);
    m_list = new QListView(this);
    m_list->setObjectName(QStringLiteral("payeeList"));
    m_list->setModel(m_model);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setUniformItemSizes(true);
    m_list->setLayoutMode(QListView::Batched);
    layout->addWidget(m_list, 1);

    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Rename to:"), this));
    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    row->addWidget(m_nameEdit, 1);
    auto *renameButton = new QPushButton(tr("Rename Selected"), this);
    renameButton->setObjectName(QStringLiteral("renameButton"));
    auto *mergeButton = new QPushButton(tr("Merge Selected"), this);
    mergeButton->setObjectName(QStringLiteral("mergeButton"));
    row->addWidget(renameButton);
    row->addWidget(mergeButton);
    layout->addLayout(row);

    connect(renameButton, &QPushButton::clicked, this, &PayeeScreen::onRename);
    connect(mergeButton, &QPushButton::clicked, this, &PayeeScreen::onMerge);
}

void PayeeScreen::reloadPayees()
{
    // Payees that are still there keep their texts rather than being copied
    // again; the list is refilled at each showing, usually unchanged.
    m_model->setStringList(m_app->transactionRepository()->distinctPayees(m_model->stringList()));
}

QStringList PayeeScreen::selectedPayees() const
{
    QStringList payees;
    const QModelIndexList rows = m_list->selectionModel()->selectedIndexes();
    payees.reserve(rows.size());
    for (const QModelIndex &row : rows)
        payees.append(row.data().toString());
    return payees;
}

bool PayeeScreen::refuseOpeningBalanceName(const QString &newName, Operation operation)
{
    if (!TransactionRepository::isOpeningBalancePayee(newName))
        return false;
    UserPrompts::current()->warning(this, operation == Operation::Merge ? tr("Merge") : tr("Rename"),
        plainTextMessage(tr("\"%1\" is the name of the opening balance, which each account has once. Choose "
                            "another name: no transaction was changed.")
                             .arg(newName)));
    return true;
}

void PayeeScreen::rename(const QStringList &payees, const QString &newName, Operation operation)
{
    const bool merge = operation == Operation::Merge;
    const TransactionRepository::PayeeRename result =
        m_app->transactionRepository()->renamePayees(payees, newName);
    if (result.outcome == TransactionRepository::PayeeRename::OpeningBalanceName) {
        refuseOpeningBalanceName(newName, operation);
        return;
    }
    if (result.outcome == TransactionRepository::PayeeRename::Failed) {
        const QString reason = WriteResultPrompt::failureReason(m_app->database());
        UserPrompts::current()->warning(this, merge ? tr("Merge Failed") : tr("Rename Failed"),
            reason.isEmpty()
                ? tr("The payees could not be renamed, so no transaction was changed.")
                : plainTextMessage(tr("The payees could not be renamed: %1. No transaction was changed.").arg(reason)));
        return;
    }

    QStringList reasons;
    if (result.keptOpeningBalances > 0) {
        reasons.append(tr("%1 opening balance(s) kept their payee: an account's opening balance is not renamed.")
                           .arg(result.keptOpeningBalances));
    }
    if (result.keptTransfers > 0) {
        reasons.append(tr("%1 transfer(s) kept their payee: it names the account at the other end of the transfer.")
                           .arg(result.keptTransfers));
    }
    if (result.renamed == 0 && !reasons.isEmpty()) {
        reasons.prepend(tr("No transaction was changed."));
        UserPrompts::current()->information(this, merge ? tr("Merge") : tr("Rename"),
            reasons.join(QStringLiteral("\n\n")));
        reloadPayees();
        return;
    }
    reasons.prepend(merge ? tr("Merged %n transaction(s).", nullptr, result.renamed)
                          : tr("Renamed %n transaction(s).", nullptr, result.renamed));
    UserPrompts::current()->information(this, merge ? tr("Merge Complete") : tr("Rename Complete"),
        reasons.join(QStringLiteral("\n\n")));
    reloadPayees();
    Q_EMIT payeesChanged();
}

void PayeeScreen::onRename()
{
    const QString newName = m_nameEdit->text().trimmed();
    if (newName.isEmpty())
        return;
    const QStringList payees = selectedPayees();
    if (payees.isEmpty())
        return;
    if (refuseOpeningBalanceName(newName, Operation::Rename))
        return;
    rename(payees, newName, Operation::Rename);
}

void PayeeScreen::onMerge()
{
    const QStringList payees = selectedPayees();
    if (payees.size() < 2) {
        UserPrompts::current()->information(this, tr("Merge"), tr("Select 2 or more payees to merge."));
        return;
    }
    QString target = m_nameEdit->text().trimmed();
    if (target.isEmpty())
        target = payees.first();
    if (refuseOpeningBalanceName(target, Operation::Merge))
        return;
    const QString question = tr("Merge %1 payees into \"%2\"?").arg(QString::number(payees.size()), target);
    if (!UserPrompts::current()->askYesNo(this, tr("Merge Payees"), plainTextMessage(question)))
        return;
    rename(payees, target, Operation::Merge);
}
