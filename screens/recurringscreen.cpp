#include "screens/recurringscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/userwrite.h"
#include "register/userprompts.h"
#include "register/writeresultprompt.h"
#include "screens/recurringformdialog.h"
#include "screens/recurringmodel.h"
#include "screens/screentext.h"
#include "services/recurringservice.h"
#include "ui/palettehelpers.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

RecurringScreen::RecurringScreen(AppState *app, QWidget *parent)
    : QWidget(parent)
    , m_app(app)
{
    RecurringService *service = app->recurringService();
    m_model = new RecurringModel(app->accountRepository(), [service] { return service->today(); }, this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);

    auto *header = new QHBoxLayout;
    auto *title = new QLabel(tr("Recurring Transactions"), this);
    applyFontRoleWithWeight(title, 4, 700);
    header->addWidget(title);
    m_dueLabel = new QLabel(this);
    m_dueLabel->setObjectName(QStringLiteral("dueLabel"));
    applyFontRoleWithWeight(m_dueLabel, 0, 700);
    header->addWidget(m_dueLabel);
    header->addStretch();
    auto *confirmAllButton = new QPushButton(tr("Confirm All Due"), this);
    confirmAllButton->setObjectName(QStringLiteral("confirmAllDueButton"));
    auto *nextSevenButton = new QPushButton(tr("Enter Next 7 Days"), this);
    nextSevenButton->setObjectName(QStringLiteral("enterNextSevenDaysButton"));
    auto *newButton = new QPushButton(tr("New Recurring"), this);
    newButton->setObjectName(QStringLiteral("newRecurringButton"));
    header->addWidget(confirmAllButton);
    header->addWidget(nextSevenButton);
    header->addWidget(newButton);
    layout->addLayout(header);

    m_view = new QTableView(this);
    m_view->setModel(m_model);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->verticalHeader()->hide();
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(RecurringModel::NextDueColumn, Qt::AscendingOrder);
    m_view->horizontalHeader()->setSectionResizeMode(RecurringModel::PayeeColumn, QHeaderView::Stretch);
    widenColumnsToFit();
    layout->addWidget(m_view, 1);

    connect(confirmAllButton, &QPushButton::clicked, this, &RecurringScreen::confirmAllDue);
    connect(nextSevenButton, &QPushButton::clicked, this, &RecurringScreen::enterNextSevenDays);
    connect(newButton, &QPushButton::clicked, this, &RecurringScreen::showNewForm);
    connect(m_view, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            showEditForm(index.row());
    });
    connect(m_view, &QTableView::customContextMenuRequested, this, &RecurringScreen::onContextMenu);
}

void RecurringScreen::refresh()
{
    RecurringService *service = m_app->recurringService();
    m_model->setRules(service->listAll());
    widenColumnsToFit();
    const int due = service->pendingCount();
    if (due < 1) {
        m_dueLabel->clear();
        setThemedStyleSheet(m_dueLabel, [] { return QString(); });
    } else {
        m_dueLabel->setText(tr("(%1 due)").arg(due));
        setThemedStyleSheet(m_dueLabel,
                            [] { return QStringLiteral("color: %1;").arg(successTextColor().name(QColor::HexRgb)); });
    }
}

void RecurringScreen::widenColumnsToFit()
{
    // Header titles and texts are longer in some languages: a column grows to
    // show them whole, and never shrinks below the width the user gave it.
    QHeaderView *header = m_view->horizontalHeader();
    const QAbstractItemView *view = m_view;
    for (int column = 0; column < RecurringModel::ColumnCount; ++column) {
        if (column == RecurringModel::PayeeColumn)
            continue;
        const int wanted = std::max(header->sectionSizeHint(column), view->sizeHintForColumn(column));
        if (header->sectionSize(column) < wanted)
            header->resizeSection(column, wanted);
    }
}

std::unique_ptr<QMenu> RecurringScreen::contextMenuFor(const QModelIndex &index)
{
    if (!index.isValid())
        return nullptr;
    const int row = index.row();
    const RecurringTransaction rule = m_model->ruleAt(row);
    const bool due = m_model->isDue(rule);

    auto menu = std::make_unique<QMenu>(this);
    connect(menu->addAction(tr("&Edit")), &QAction::triggered, this, [this, row] { showEditForm(row); });
    QAction *confirm = menu->addAction(tr("&Confirm"));
    confirm->setEnabled(due);
    connect(confirm, &QAction::triggered, this, &RecurringScreen::confirmSelected);
    QAction *skip = menu->addAction(tr("&Skip"));
    skip->setEnabled(due);
    connect(skip, &QAction::triggered, this, &RecurringScreen::skipSelected);
    QAction *early = menu->addAction(tr("Enter &Early..."));
    early->setEnabled(rule.isActive && rule.nextDueDate > m_app->recurringService()->today());
    connect(early, &QAction::triggered, this, &RecurringScreen::enterEarlySelected);
    menu->addSeparator();
    connect(menu->addAction(tr("&Delete")), &QAction::triggered, this, &RecurringScreen::deleteSelected);
    return menu;
}

void RecurringScreen::onContextMenu(const QPoint &pos)
{
    const std::unique_ptr<QMenu> menu = contextMenuFor(m_view->indexAt(pos));
    if (menu)
        menu->exec(m_view->viewport()->mapToGlobal(pos));
}

bool RecurringScreen::currentRule(RecurringTransaction &rule) const
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid() || current.row() >= m_model->rowCount())
        return false;
    rule = m_model->ruleAt(current.row());
    return true;
}

void RecurringScreen::reportFailure(const QString &title, const QString &text)
{
    UserPrompts::current()->warning(this, title, plainTextMessage(text));
}

void RecurringScreen::confirmRule(const RecurringTransaction &rule)
{
    const WriteResult result = m_app->recurringService()->confirmShown(rule);
    if (result == WriteResult::Written) {
        Q_EMIT transactionsChanged();
    } else if (!reportRefusal(result)) {
        reportFailure(tr("Confirm Failed"),
            tr("\"%1\" could not be entered. Check its account, its dates and its transfer account.").arg(rule.payee));
    }
    refresh();
}

bool RecurringScreen::reportRefusal(WriteResult result)
{
    return WriteResultPrompt::reportRefusal(result, WriteResultPrompt::Subject::RecurringRule, this);
}

void RecurringScreen::confirmSelected()
{
    RecurringTransaction rule;
    if (currentRule(rule))
        confirmRule(rule);
}

void RecurringScreen::enterEarlySelected()
{
    RecurringTransaction rule;
    if (!currentRule(rule))
        return;
    const QString question = tr("Enter \"%1\" now, dated %2? The transaction is dated its due date and you can edit "
                                "or delete it later.")
                                 .arg(rule.payee, languageDateText(rule.nextDueDate.startOfDay(), tr("MMM d, yyyy")));
    if (UserPrompts::current()->askYesNo(this, tr("Enter Early"), plainTextMessage(question)))
        confirmRule(rule);
}

void RecurringScreen::skipSelected()
{
    RecurringTransaction rule;
    if (!currentRule(rule))
        return;
    const WriteResult result = m_app->recurringService()->skipShown(rule);
    if (result != WriteResult::Written && !reportRefusal(result)) {
        const QString reason = WriteResultPrompt::failureReason(m_app->database());
        reportFailure(tr("Skip Failed"),
            reason.isEmpty() ? tr("\"%1\" could not be skipped.").arg(rule.payee)
                             : tr("\"%1\" could not be skipped: %2.").arg(rule.payee, reason));
    }
    refresh();
}

void RecurringScreen::deleteSelected()
{
    RecurringTransaction rule;
    if (!currentRule(rule))
        return;
    if (!UserPrompts::current()->askYesNo(this, tr("Delete"),
            plainTextMessage(tr("Delete recurring \"%1\"?").arg(rule.payee))))
        return;
    const WriteResult result = m_app->recurringService()->deleteShown(rule);
    if (result != WriteResult::Written && !reportRefusal(result)) {
        const QString reason = WriteResultPrompt::failureReason(m_app->database());
        reportFailure(tr("Delete Failed"),
            reason.isEmpty() ? tr("\"%1\" could not be deleted.").arg(rule.payee)
                             : tr("\"%1\" could not be deleted: %2.").arg(rule.payee, reason));
    }
    refresh();
}

void RecurringScreen::reportSaveFailure()
{
    const QString reason = WriteResultPrompt::failureReason(m_app->database());
    reportFailure(tr("Save Failed"),
        reason.isEmpty()
            ? tr("The recurring transaction could not be saved, so nothing was changed.\n\nYour entries are still in "
                 "the form.")
            : tr("The recurring transaction could not be saved: %1. Nothing was changed.\n\nYour entries are still "
                 "in the form.")
                  .arg(reason));
}

void RecurringScreen::showNewForm()
{
    RecurringFormDialog dialog(m_app, this);
    // A failed save reopens the form with everything typed in it; an account
    // deleted meanwhile ends it.
    while (UserPrompts::current()->runDialog(&dialog) == QDialog::Accepted) {
        const WriteResult result = m_app->recurringService()->insertRule(dialog.recurring());
        if (result == WriteResult::Written || reportRefusal(result))
            break;
        reportSaveFailure();
    }
    refresh();
}

void RecurringScreen::showEditForm(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    const RecurringTransaction original = m_model->ruleAt(row);
    RecurringFormDialog dialog(m_app, original, this);
    // A failed save reopens the form with everything typed in it; a rule
    // changed or deleted meanwhile (a posting while the form was open, say)
    // is not written over, and the form ends.
    while (UserPrompts::current()->runDialog(&dialog) == QDialog::Accepted) {
        const WriteResult result = m_app->recurringService()->updateShown(dialog.recurring(), original);
        if (result == WriteResult::Written || reportRefusal(result))
            break;
        reportSaveFailure();
    }
    refresh();
}

void RecurringScreen::confirmAllDue()
{
    RecurringService *service = m_app->recurringService();
    const int due = service->pendingCount();
    const int posted = service->confirmAllDue();
    if (posted < due)
        reportUnposted();
    if (posted > 0)
        Q_EMIT transactionsChanged();
    // A rule that failed may have been set aside: show its state too.
    if (posted > 0 || posted < due)
        refresh();
}

void RecurringScreen::enterNextSevenDays()
{
    if (!UserPrompts::current()->askYesNo(this, tr("Enter Next 7 Days"),
            tr("Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can "
               "edit or delete them later.")))
        return;
    RecurringService *service = m_app->recurringService();
    const QDate through = service->today().addDays(7);
    const int posted = service->postDueThrough(through);
    // Whatever is still due by then could not be entered.
    const QList<RecurringTransaction> rules = service->listAll();
    const bool leftBehind = std::any_of(rules.cbegin(), rules.cend(), [&through](const RecurringTransaction &rule) {
        return rule.isActive && !RecurringService::isBrokenDate(rule.nextDueDate) && rule.nextDueDate <= through;
    });
    if (leftBehind)
        reportUnposted();
    if (posted > 0)
        Q_EMIT transactionsChanged();
    if (posted > 0 || leftBehind)
        refresh();
}

void RecurringScreen::reportUnposted()
{
    // A failed write rolled the whole run back.
    const QString reason = m_app->recurringService()->failureReason();
    if (!reason.isEmpty()) {
        reportFailure(tr("Confirm Failed"), RecurringService::postFailedMessage(reason));
        return;
    }
    reportFailure(tr("Confirm Failed"),
        tr("Some recurring transactions could not be entered. Check their accounts, dates and transfer accounts."));
}
