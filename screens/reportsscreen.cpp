#include "screens/reportsscreen.h"

#include "app/appstate.h"
#include "app/uiprefs.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/money.h"
#include "data/transactionrepository.h"
#include "register/twodigityeardateedit.h"
#include "register/userprompts.h"
#include "screens/filechooser.h"
#include "screens/reporttransactionsmodel.h"
#include "ui/listresizewatcher.h"
#include "ui/palettehelpers.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSaveFile>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QTimer>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char kMutedStyle[] = "color: %1;";
constexpr int kCustomCompareIndex = 3;
// Bursts of change signals (an import, a sync) cause one rerun at most this often.
constexpr int kDataChangeDelayMs = 300;
// Room between a cell's text and the next column.
constexpr int kCellPadding = 16;

QDate quarterStart(const QDate &date)
{
    return QDate(date.year(), ((date.month() - 1) / 3) * 3 + 1, 1);
}

QTableWidgetItem *textItem(const QString &text)
{
    return new QTableWidgetItem(text);
}

QTableWidgetItem *numberItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

const char *exportFileName(int index)
{
    static const char *const names[] = {"category_spending.csv", "payee_summary.csv", "tax_report.csv",
                                        "income_vs_expenses.csv", "cash_flow.csv", "year_over_year.csv",
                                        "account_summary.csv", "transactions.csv"};
    return index >= 0 && index < ReportsScreen::TabCount ? names[index] : nullptr;
}

// A report's label column (0) gets the width its texts need and the other
// columns share the rest, each at least as wide as its own texts.
void fitReportColumns(QTableView *table)
{
    if (!table || !table->model())
        return;
    QHeaderView *header = table->horizontalHeader();
    const int columns = table->model()->columnCount();
    if (columns == 0)
        return;
    // QTableView hides the public item-view call.
    const QAbstractItemView *view = table;
    const auto needed = [view, header](int column) {
        return std::max(header->sectionSizeHint(column), view->sizeHintForColumn(column) + kCellPadding);
    };
    // A list of entries (the transactions) has text columns that stretch:
    // every other column gets its need and those share the rest.
    bool stretching = false;
    for (int column = 0; column < columns; ++column)
        stretching = stretching || header->sectionResizeMode(column) == QHeaderView::Stretch;
    if (stretching) {
        for (int column = 0; column < columns; ++column) {
            if (header->sectionResizeMode(column) != QHeaderView::Stretch)
                header->resizeSection(column, needed(column));
        }
        return;
    }
    QList<int> othersNeeded;
    for (int column = 1; column < columns; ++column)
        othersNeeded.append(needed(column));
    const QList<int> widths =
        ReportsScreen::columnWidths(needed(0), othersNeeded, table->viewport()->width());
    // The last column stretches over what rounding leaves.
    for (int column = 0; column + 1 < columns; ++column)
        header->resizeSection(column, widths.at(column));
}

void configureReportTable(QTableView *table)
{
    // A label that does not fit is cut short with "...", never wrapped
    // onto a second line of the row.
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideRight);
    table->viewport()->installEventFilter(new ListResizeWatcher([table] { fitReportColumns(table); }, table));
    table->setAlternatingRowColors(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(36);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setShowGrid(false);
}

bool checkedAdd(qint64 &sum, qint64 value)
{
    const std::optional<qint64> result = checkedSum(sum, value);
    sum = result.value_or(0);
    return result.has_value();
}

// The currencies the rows hold, each once.
template <typename Row>
QList<Currency> currenciesOf(const QList<Row> &rows)
{
    QList<Currency> currencies;
    for (const Row &row : rows) {
        if (!currencies.contains(row.currency))
            currencies.append(row.currency);
    }
    return currencies;
}

QString moneyText(qint64 amount, Currency currency, bool withCode)
{
    return ReportTransactionsModel::amountText(amount, currency, withCode);
}

// The three column totals of one currency.
struct FlowTotals
{
    Currency currency = Currency::USD;
    qint64 inflows = 0;
    qint64 outflows = 0;
    qint64 net = 0;
};

} // namespace

ReportsScreen::ReportsScreen(AppState *app, QWidget *parent)
    : QWidget(parent)
    , m_app(app)
    , m_filled(TabCount)
{
    m_refilling = true;
    m_dataChangeTimer = new QTimer(this);
    m_dataChangeTimer->setObjectName(QStringLiteral("dataChangeTimer"));
    m_dataChangeTimer->setSingleShot(true);
    m_dataChangeTimer->setInterval(kDataChangeDelayMs);
    connect(m_dataChangeTimer, &QTimer::timeout, this, [this] {
        // A change that arrives while hidden is picked up by the next refresh.
        if (isVisible())
            refresh();
    });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    auto *title = new QLabel(tr("Reports"), this);
    applyFontRole(title, 5);
    layout->addWidget(title);
    layout->addSpacing(12);

    auto *filterRow = new QHBoxLayout;
    filterRow->setSpacing(8);
    filterRow->addWidget(new QLabel(tr("Account:"), this));
    m_accountCombo = new QComboBox(this);
    m_accountCombo->setObjectName(QStringLiteral("accountCombo"));
    m_accountCombo->setMinimumWidth(140);
    connect(m_accountCombo, &QComboBox::currentIndexChanged, this, &ReportsScreen::onFilterChanged);
    filterRow->addWidget(m_accountCombo);
    filterRow->addSpacing(12);
    filterRow->addWidget(new QLabel(tr("Period:"), this));
    m_periodCombo = new QComboBox(this);
    m_periodCombo->setObjectName(QStringLiteral("periodCombo"));
    m_periodCombo->setMinimumWidth(130);
    for (const DatePreset &preset : datePresets(QDate::currentDate()))
        m_periodCombo->addItem(tr(preset.name.toLatin1().constData()), preset.name);
    m_periodCombo->setCurrentIndex(0);
    connect(m_periodCombo, &QComboBox::currentIndexChanged, this, &ReportsScreen::onDatePresetChanged);
    filterRow->addWidget(m_periodCombo);
    m_periodLabel = new QLabel(this);
    m_periodLabel->setObjectName(QStringLiteral("periodLabel"));
    m_periodLabel->setStyleSheet(mutedTextStyle());
    filterRow->addWidget(m_periodLabel);
    m_fromEdit = new TwoDigitYearDateEdit(this);
    m_fromEdit->setObjectName(QStringLiteral("fromEdit"));
    m_toEdit = new TwoDigitYearDateEdit(this);
    m_toEdit->setObjectName(QStringLiteral("toEdit"));
    for (QDateEdit *edit : {m_fromEdit, m_toEdit}) {
        setupDateEdit(edit);
        edit->hide();
        connect(edit, &QDateEdit::dateChanged, this, &ReportsScreen::onFilterChanged);
        filterRow->addWidget(edit);
    }
    filterRow->addStretch();
    m_exportButton = new QPushButton(tr("Export CSV"), this);
    m_exportButton->setObjectName(QStringLiteral("exportButton"));
    connect(m_exportButton, &QPushButton::clicked, this, &ReportsScreen::exportCurrentTab);
    filterRow->addWidget(m_exportButton);
    layout->addLayout(filterRow);

    layout->addSpacing(8);
    m_errorLabel = new QLabel(this);
    m_errorLabel->setObjectName(QStringLiteral("errorLabel"));
    m_errorLabel->setTextFormat(Qt::PlainText);
    m_errorLabel->setWordWrap(true);
    m_errorLabel->hide();
    layout->addWidget(m_errorLabel);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("reportTabs"));
    layout->addWidget(m_tabs, 1);

    const QList<std::pair<QString, QStringList>> plainTabs = {
        {tr("Category Spending"), {tr("Category"), tr("Total")}},
        {tr("Payee Summary"), {tr("Payee"), tr("Total"), tr("Count")}},
        {tr("Tax Report"), {tr("Category"), tr("Tax Code"), tr("Total")}},
        {tr("Income vs Expenses"), {tr("Month"), tr("Income"), tr("Expenses"), tr("Net")}},
        {tr("Cash Flow"), {tr("Month"), tr("Inflows"), tr("Outflows"), tr("Net")}},
    };
    for (const auto &[tabTitle, headers] : plainTabs) {
        QTableWidget *table = makeReportTable(headers);
        m_tables.append(table);
        m_tabs->addTab(table, tabTitle);
    }
    buildYearOverYearTab();
    QTableWidget *summary =
        makeReportTable({tr("Account"), tr("Type"), tr("Cleared"), tr("Uncleared"), tr("Total")});
    m_tables.append(summary);
    m_tabs->addTab(summary, tr("Account Summary"));
    buildTransactionsTab();
    connect(m_tabs, &QTabWidget::currentChanged, this, &ReportsScreen::onFilterChanged);

    applyDatePreset(0);
    m_refilling = false;

    connect(m_app->accountRepository(), &AccountRepository::accountsChanged, this, &ReportsScreen::onDataChanged);
    connect(m_app->categoryRepository(), &CategoryRepository::categoriesChanged, this,
            &ReportsScreen::onDataChanged);
    connect(m_app->transactionRepository(), &TransactionRepository::transactionsChanged, this,
            &ReportsScreen::onDataChanged);
}

QList<ReportsScreen::DatePreset> ReportsScreen::datePresets(const QDate &today)
{
    const QDate monthStart(today.year(), today.month(), 1);
    const QDate thisQuarter = quarterStart(today);
    const QDate lastQuarter = thisQuarter.addMonths(-3);
    // The names are the presets' keys; the period list shows them translated.
    return {
        {QLatin1String(QT_TR_NOOP("This Month")), monthStart, today},
        {QLatin1String(QT_TR_NOOP("Last Month")), monthStart.addMonths(-1), monthStart.addDays(-1)},
        {QLatin1String(QT_TR_NOOP("This Quarter")), thisQuarter, today},
        {QLatin1String(QT_TR_NOOP("Last Quarter")), lastQuarter, thisQuarter.addDays(-1)},
        {QLatin1String(QT_TR_NOOP("This Year")), QDate(today.year(), 1, 1), today},
        {QLatin1String(QT_TR_NOOP("Last Year")), QDate(today.year() - 1, 1, 1), QDate(today.year() - 1, 12, 31)},
        {QLatin1String(QT_TR_NOOP("Last 30 Days")), today.addDays(-30), today},
        {QLatin1String(QT_TR_NOOP("Last 90 Days")), today.addDays(-90), today},
        {QLatin1String(QT_TR_NOOP("Last 12 Months")), today.addYears(-1), today},
        {QLatin1String(QT_TR_NOOP("All Time")), QDate(2000, 1, 1), today},
        {QLatin1String(QT_TR_NOOP("Custom")), QDate(), QDate()},
    };
}

std::optional<ReportsScreen::ComparedPeriods> ReportsScreen::comparedPeriods(int index, const QDate &today)
{
    const int year = today.year();
    const QDate thisQuarter = quarterStart(today);
    switch (index) {
    case 0:
        return ComparedPeriods{QDate(year - 1, 1, 1), QDate(year - 1, 12, 31), QDate(year, 1, 1), today};
    case 1:
        return ComparedPeriods{QDate(year - 2, 1, 1), QDate(year - 2, 12, 31), QDate(year - 1, 1, 1),
                               QDate(year - 1, 12, 31)};
    case 2:
        return ComparedPeriods{thisQuarter.addMonths(-3), thisQuarter.addDays(-1), thisQuarter, today};
    default:
        return std::nullopt;
    }
}

QString ReportsScreen::accountTypeText(const QString &storedType)
{
    return accountTypeDisplayName(accountTypeFromString(storedType));
}

QList<int> ReportsScreen::columnWidths(int labelNeeded, const QList<int> &othersNeeded, int available)
{
    if (available <= 0)
        return QList<int>{labelNeeded} + othersNeeded;
    if (othersNeeded.isEmpty())
        return {std::max(labelNeeded, available)};
    int othersTotal = 0;
    for (int width : othersNeeded)
        othersTotal += width;
    // Long labels give way once the figures would not fit, but keep at
    // least two fifths of the width.
    const int label = std::min(labelNeeded, std::max(available - othersTotal, available * 2 / 5));
    const int share = std::max(available - label, 0) / int(othersNeeded.size());
    QList<int> widths{label};
    for (int width : othersNeeded)
        widths.append(std::max(width, share));
    return widths;
}

QTableWidget *ReportsScreen::makeReportTable(const QStringList &headers)
{
    auto *table = new QTableWidget(0, int(headers.size()), this);
    table->setHorizontalHeaderLabels(headers);
    configureReportTable(table);
    return table;
}

void ReportsScreen::setupDateEdit(QDateEdit *edit)
{
    const QLocale system = QLocale::system();
    edit->setDisplayFormat(system.dateFormat(QLocale::ShortFormat));
    edit->setCalendarPopup(true);
    edit->setLocale(system);
    auto *calendar = new QCalendarWidget(edit);
    calendar->setFirstDayOfWeek(Qt::DayOfWeek(UiPrefs::weekStartDay()));
    calendar->setLocale(system);
    edit->setCalendarWidget(calendar);
}

void ReportsScreen::buildYearOverYearTab()
{
    auto *container = new QWidget(this);
    auto *layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 8, 0, 0);

    auto *controls = new QHBoxLayout;
    controls->setSpacing(8);
    controls->addWidget(new QLabel(tr("Compare:"), container));
    m_compareCombo = new QComboBox(container);
    m_compareCombo->setObjectName(QStringLiteral("compareCombo"));
    m_compareCombo->addItems({tr("This Year vs Last Year"), tr("Last Year vs Year Before"),
                              tr("This Quarter vs Last Quarter"), tr("Custom")});
    controls->addWidget(m_compareCombo);
    controls->addSpacing(12);
    m_compareLabel = new QLabel(container);
    m_compareLabel->setObjectName(QStringLiteral("compareLabel"));
    m_compareLabel->setStyleSheet(mutedTextStyle());
    controls->addWidget(m_compareLabel);

    m_customRange = new QWidget(container);
    m_customRange->setObjectName(QStringLiteral("customRange"));
    auto *range = new QHBoxLayout(m_customRange);
    range->setContentsMargins(0, 0, 0, 0);
    range->setSpacing(8);
    const auto addEdit = [this, range](const char *name) {
        auto *edit = new TwoDigitYearDateEdit(m_customRange);
        edit->setObjectName(QLatin1String(name));
        setupDateEdit(edit);
        connect(edit, &QDateEdit::dateChanged, this, &ReportsScreen::onFilterChanged);
        range->addWidget(edit);
        return edit;
    };
    range->addWidget(new QLabel(tr("P1:"), m_customRange));
    m_period1FromEdit = addEdit("period1FromEdit");
    range->addWidget(new QLabel(QStringLiteral("\u2013"), m_customRange));
    m_period1ToEdit = addEdit("period1ToEdit");
    range->addSpacing(12);
    range->addWidget(new QLabel(tr("P2:"), m_customRange));
    m_period2FromEdit = addEdit("period2FromEdit");
    range->addWidget(new QLabel(QStringLiteral("\u2013"), m_customRange));
    m_period2ToEdit = addEdit("period2ToEdit");
    m_customRange->hide();
    controls->addWidget(m_customRange);
    controls->addStretch();
    layout->addLayout(controls);

    showComparedPeriods(*comparedPeriods(0, QDate::currentDate()));
    connect(m_compareCombo, &QComboBox::currentIndexChanged, this, &ReportsScreen::onYoyPresetChanged);

    QTableWidget *table = makeReportTable({tr("Category"), tr("Period 1"), tr("Period 2"), tr("Difference")});
    m_tables.append(table);
    layout->addWidget(table, 1);
    m_tabs->addTab(container, tr("Year-over-Year"));
}

void ReportsScreen::buildTransactionsTab()
{
    // A model instead of a table item per cell: "All Time" can list a million rows.
    auto *table = new QTableView(this);
    table->setObjectName(QStringLiteral("transactionsTable"));
    m_transactionsModel = new ReportTransactionsModel(table);
    table->setModel(m_transactionsModel);
    configureReportTable(table);
    // Payee, category and memo share what the date, account and amount
    // leave, so the amounts stay in view.
    table->horizontalHeader()->setStretchLastSection(false);
    for (int column : {ReportTransactionsModel::PayeeColumn, ReportTransactionsModel::CategoryColumn,
                       ReportTransactionsModel::MemoColumn})
        table->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Stretch);
    m_tables.append(table);
    m_tabs->addTab(table, tr("Transactions"));
}

void ReportsScreen::appendTotalRow(QTableWidget *table, qint64 total1, qint64 total2, qint64 total3,
                                   Currency currency, bool withCodes)
{
    const int row = table->rowCount();
    table->insertRow(row);
    auto *label = textItem(tr("Total"));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    table->setItem(row, 0, label);
    const qint64 totals[] = {total1, total2, total3};
    for (int column = 1; column <= 3; ++column) {
        auto *item = numberItem(moneyText(totals[column - 1], currency, withCodes));
        item->setFont(bold);
        table->setItem(row, column, item);
    }
}

void ReportsScreen::applyDatePreset(int index)
{
    const QList<DatePreset> presets = datePresets(QDate::currentDate());
    if (index < 0 || index >= presets.size())
        return;
    const DatePreset &preset = presets.at(index);
    if (!preset.from.isValid()) {
        m_fromEdit->show();
        m_toEdit->show();
        m_periodLabel->hide();
        return;
    }
    m_fromEdit->hide();
    m_toEdit->hide();
    m_periodLabel->show();
    {
        QScopedValueRollback<bool> guard(m_refilling, true);
        m_fromEdit->setDate(preset.from);
        m_toEdit->setDate(preset.to);
    }
    m_periodLabel->setText(rangeText(preset.from, preset.to));
}

void ReportsScreen::onDatePresetChanged(int index)
{
    applyDatePreset(index);
    if (!m_refilling)
        runReport();
}

void ReportsScreen::onFilterChanged()
{
    if (!m_refilling)
        runReport();
}

void ReportsScreen::onYoyPresetChanged(int index)
{
    const std::optional<ComparedPeriods> periods = comparedPeriods(index, QDate::currentDate());
    {
        QScopedValueRollback<bool> guard(m_refilling, true);
        m_customRange->setVisible(index == kCustomCompareIndex);
        m_compareLabel->setVisible(index != kCustomCompareIndex);
        if (periods)
            showComparedPeriods(*periods);
    }
    runReport();
}

void ReportsScreen::showComparedPeriods(const ComparedPeriods &periods)
{
    m_period1FromEdit->setDate(periods.period1From);
    m_period1ToEdit->setDate(periods.period1To);
    m_period2FromEdit->setDate(periods.period2From);
    m_period2ToEdit->setDate(periods.period2To);
    m_compareLabel->setText(tr("P1: %1 \u2013 %2    P2: %3 \u2013 %4")
                                .arg(QLocale().toString(periods.period1From, QLocale::ShortFormat),
                                     QLocale().toString(periods.period1To, QLocale::ShortFormat),
                                     QLocale().toString(periods.period2From, QLocale::ShortFormat),
                                     QLocale().toString(periods.period2To, QLocale::ShortFormat)));
}

void ReportsScreen::populateAccountFilter()
{
    m_accountCombo->clear();
    m_accountCombo->addItem(tr("All Accounts"), QString());
    for (const Account &account : m_app->accountRepository()->listAll())
        m_accountCombo->addItem(account.name, account.id);
    m_accountCombo->setCurrentIndex(0);
}

void ReportsScreen::onDataChanged()
{
    // No tab shows the data as it is now, hidden or not.
    ++m_dataGeneration;
    if (isVisible() && !m_dataChangeTimer->isActive())
        m_dataChangeTimer->start();
}

void ReportsScreen::refresh()
{
    m_dataChangeTimer->stop();
    ++m_dataGeneration;
    {
        QScopedValueRollback<bool> guard(m_refilling, true);
        populateAccountFilter();
    }
    runReport();
}

void ReportsScreen::runReport()
{
    if (m_tables.size() != TabCount)
        return;
    fillTab(m_tabs->currentIndex());
}

QVariantList ReportsScreen::tabInputs(int index) const
{
    switch (index) {
    case TaxReportTab: // all accounts, whatever the filter
        return {m_fromEdit->date(), m_toEdit->date()};
    case YearOverYearTab: // its own periods
        return {m_period1FromEdit->date(), m_period1ToEdit->date(), m_period2FromEdit->date(),
                m_period2ToEdit->date(), selectedAccountId()};
    case AccountSummaryTab: // every account, as it stands now
        return {};
    default:
        return {m_fromEdit->date(), m_toEdit->date(), selectedAccountId()};
    }
}

void ReportsScreen::fillTab(int index)
{
    if (index < 0 || index >= TabCount)
        return;
    const QVariantList inputs = tabInputs(index);
    const std::optional<TabFill> &filled = m_filled.at(index);
    if (filled && filled->dataGeneration == m_dataGeneration && filled->inputs == inputs) {
        // Still what a run would show; only a successful run is kept.
        showTabError(ReportError::None);
        return;
    }
    const QDate from = m_fromEdit->date();
    const QDate to = m_toEdit->date();
    const QString accountId = selectedAccountId();
    ReportError error = ReportError::None;
    switch (index) {
    case CategorySpendingTab:
        error = fillCategorySpending(from, to);
        break;
    case PayeeSummaryTab:
        error = fillPayeeSummary(from, to);
        break;
    case TaxReportTab:
        error = fillTaxReport(from, to);
        break;
    case IncomeVsExpensesTab: {
        const QList<MonthlyFlowRow> rows = m_app->reportService()->incomeVsExpenses(from, to, accountId, &error);
        if (error == ReportError::None)
            error = fillMonthlyFlow(widgetTable(index), rows);
        break;
    }
    case CashFlowTab: {
        const QList<MonthlyFlowRow> rows = m_app->reportService()->cashFlowByMonth(from, to, accountId, &error);
        if (error == ReportError::None)
            error = fillMonthlyFlow(widgetTable(index), rows);
        break;
    }
    case YearOverYearTab:
        error = fillYearOverYear();
        break;
    case AccountSummaryTab:
        error = fillAccountSummary();
        break;
    case TransactionsTab:
        error = fillTransactions(from, to);
        break;
    default:
        return;
    }
    if (error == ReportError::None) {
        m_filled[index] = TabFill{inputs, m_dataGeneration};
    } else {
        // Never a partial or wrapped figure: the tab shows the error alone.
        m_filled[index].reset();
        if (QTableWidget *table = widgetTable(index))
            table->setRowCount(0);
        else
            m_transactionsModel->setRows({});
    }
    showTabError(error);
    fitReportColumns(tableForTab(index));
}

ReportError ReportsScreen::fillCategorySpending(const QDate &from, const QDate &to)
{
    ReportError error = ReportError::None;
    const QList<CategoryTotalRow> rows =
        m_app->reportService()->spendingByCategory(from, to, selectedAccountId(), &error);
    const bool codes = shownCurrencies(selectedAccountId(), currenciesOf(rows)).size() > 1;
    QTableWidget *table = widgetTable(CategorySpendingTab);
    table->setRowCount(int(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        table->setItem(i, 0, textItem(ReportService::categoryDisplayName(rows.at(i).categoryName)));
        table->setItem(i, 1, numberItem(moneyText(rows.at(i).total, rows.at(i).currency, codes)));
    }
    return error;
}

ReportError ReportsScreen::fillPayeeSummary(const QDate &from, const QDate &to)
{
    ReportError error = ReportError::None;
    const QList<PayeeSummaryRow> rows = m_app->reportService()->payeeSummary(from, to, selectedAccountId(), &error);
    const bool codes = shownCurrencies(selectedAccountId(), currenciesOf(rows)).size() > 1;
    QTableWidget *table = widgetTable(PayeeSummaryTab);
    table->setRowCount(int(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        table->setItem(i, 0, textItem(rows.at(i).payee));
        table->setItem(i, 1, numberItem(moneyText(rows.at(i).total, rows.at(i).currency, codes)));
        table->setItem(i, 2, numberItem(QString::number(rows.at(i).count)));
    }
    return error;
}

ReportError ReportsScreen::fillTaxReport(const QDate &from, const QDate &to)
{
    ReportError error = ReportError::None;
    const QList<TaxCategoryRow> rows = m_app->reportService()->taxReport(from, to, &error);
    // Over all accounts whatever the filter.
    const bool codes = shownCurrencies(QString(), currenciesOf(rows)).size() > 1;
    QTableWidget *table = widgetTable(TaxReportTab);
    table->setRowCount(int(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        table->setItem(i, 0, textItem(ReportService::categoryDisplayName(rows.at(i).categoryName)));
        table->setItem(i, 1, textItem(rows.at(i).taxCategory));
        table->setItem(i, 2, numberItem(moneyText(rows.at(i).total, rows.at(i).currency, codes)));
    }
    return error;
}

ReportError ReportsScreen::fillMonthlyFlow(QTableWidget *table, const QList<MonthlyFlowRow> &rows)
{
    const QList<Currency> currencies = shownCurrencies(selectedAccountId(), currenciesOf(rows));
    const bool codes = currencies.size() > 1;
    // One total row per currency that has rows, in the order of the currencies.
    QList<FlowTotals> totals;
    for (Currency currency : currencies) {
        if (std::any_of(rows.cbegin(), rows.cend(), [currency](const MonthlyFlowRow &row) {
                return row.currency == currency;
            }))
            totals.append({currency});
    }
    table->setRowCount(int(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        const MonthlyFlowRow &row = rows.at(i);
        FlowTotals &sum = *std::find_if(totals.begin(), totals.end(),
                                        [&row](const FlowTotals &t) { return t.currency == row.currency; });
        if (!checkedAdd(sum.inflows, row.inflow) || !checkedAdd(sum.outflows, row.outflow)
            || !checkedAdd(sum.net, row.net))
            return ReportError::Overflow;
        table->setItem(i, 0, textItem(row.month));
        table->setItem(i, 1, numberItem(moneyText(row.inflow, row.currency, codes)));
        table->setItem(i, 2, numberItem(moneyText(row.outflow, row.currency, codes)));
        table->setItem(i, 3, numberItem(moneyText(row.net, row.currency, codes)));
    }
    for (const FlowTotals &sum : std::as_const(totals))
        appendTotalRow(table, sum.inflows, sum.outflows, sum.net, sum.currency, codes);
    return ReportError::None;
}

ReportError ReportsScreen::fillYearOverYear()
{
    ReportError error = ReportError::None;
    const QList<YearOverYearRow> rows = m_app->reportService()->yearOverYear(
        m_period1FromEdit->date(), m_period1ToEdit->date(), m_period2FromEdit->date(), m_period2ToEdit->date(),
        selectedAccountId(), &error);
    const bool codes = shownCurrencies(selectedAccountId(), currenciesOf(rows)).size() > 1;
    QTableWidget *table = widgetTable(YearOverYearTab);
    table->setRowCount(int(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        const YearOverYearRow &row = rows.at(i);
        table->setItem(i, 0, textItem(ReportService::categoryDisplayName(row.categoryName)));
        table->setItem(i, 1, numberItem(moneyText(row.period1Total, row.currency, codes)));
        table->setItem(i, 2, numberItem(moneyText(row.period2Total, row.currency, codes)));
        table->setItem(i, 3, numberItem(moneyText(row.change, row.currency, codes)));
    }
    return error;
}

ReportError ReportsScreen::fillAccountSummary()
{
    ReportError error = ReportError::None;
    const QList<AccountSummaryRow> rows = m_app->reportService()->accountSummary(&error);
    const bool codes = currenciesOf(rows).size() > 1;
    QTableWidget *table = widgetTable(AccountSummaryTab);
    table->setRowCount(int(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        const AccountSummaryRow &row = rows.at(i);
        table->setItem(i, 0, textItem(row.accountName));
        table->setItem(i, 1, textItem(accountTypeText(row.accountType)));
        table->setItem(i, 2, numberItem(moneyText(row.clearedBalance, row.currency, codes)));
        table->setItem(i, 3, numberItem(moneyText(row.unclearedAmount, row.currency, codes)));
        table->setItem(i, 4, numberItem(moneyText(row.balance, row.currency, codes)));
    }
    return error;
}

ReportError ReportsScreen::fillTransactions(const QDate &from, const QDate &to)
{
    ReportError error = ReportError::None;
    const QString accountId = selectedAccountId();
    QList<TransactionReportRow> rows = m_app->reportService()->transactionList(from, to, accountId, {}, &error);
    const bool codes = shownCurrencies(accountId, currenciesOf(rows)).size() > 1;
    m_transactionsModel->setRows(std::move(rows), codes);
    return error;
}

void ReportsScreen::showTabError(ReportError error)
{
    switch (error) {
    case ReportError::None:
        m_errorLabel->clear();
        m_errorLabel->hide();
        return;
    case ReportError::Overflow:
        m_errorLabel->setText(tr("This report cannot be shown: a total is too large to compute."));
        break;
    case ReportError::QueryFailed:
        m_errorLabel->setText(tr("This report cannot be shown: the data could not be read."));
        break;
    }
    setThemedStyleSheet(m_errorLabel,
                        [] { return QString::fromLatin1(kMutedStyle).arg(negativeAmountColor().name()); });
    m_errorLabel->show();
}

QString ReportsScreen::selectedAccountId() const
{
    return m_accountCombo->currentData().toString();
}

QList<Currency> ReportsScreen::shownCurrencies(const QString &coveredAccountId,
                                               const QList<Currency> &rowCurrencies) const
{
    QList<Currency> shown = m_app->reportService()->currencies(coveredAccountId);
    // Rows of accounts no longer listed come after, in a fixed order.
    QList<Currency> others;
    for (Currency currency : rowCurrencies) {
        if (!shown.contains(currency) && !others.contains(currency))
            others.append(currency);
    }
    std::sort(others.begin(), others.end());
    return shown + others;
}

QString ReportsScreen::rangeText(const QDate &from, const QDate &to) const
{
    return QStringLiteral("%1 \u2013 %2")
        .arg(QLocale().toString(from, QLocale::ShortFormat), QLocale().toString(to, QLocale::ShortFormat));
}

QTableView *ReportsScreen::tableForTab(int index) const
{
    return index >= 0 && index < m_tables.size() ? m_tables.at(index) : nullptr;
}

QTableWidget *ReportsScreen::widgetTable(int index) const
{
    return qobject_cast<QTableWidget *>(tableForTab(index));
}

void ReportsScreen::exportCurrentTab()
{
    const int index = m_tabs->currentIndex();
    const QTableView *table = tableForTab(index);
    if (!exportFileName(index) || !table || table->model()->rowCount() == 0)
        return;
    const QString path = FileChooser::current()->saveFileName(this, tr("Export CSV"),
                                                               QLatin1String(exportFileName(index)), tr("CSV Files (*.csv)"));
    if (path.isEmpty())
        return;
    exportCurrentTabTo(path);
}

bool ReportsScreen::exportCurrentTabTo(const QString &path)
{
    const QTableView *table = tableForTab(m_tabs->currentIndex());
    if (!table || table->model()->rowCount() == 0)
        return false;
    const QAbstractItemModel *model = table->model();
    QStringList headers;
    for (int column = 0; column < model->columnCount(); ++column)
        headers.append(model->headerData(column, Qt::Horizontal).toString());
    QList<QStringList> rows;
    rows.reserve(model->rowCount());
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells.append(model->index(row, column).data().toString());
        rows.append(cells);
    }

    QSaveFile file(path);
    const QByteArray bytes = ReportService::toCsv(headers, rows).toUtf8();
    // commit() keeps the file even when writing out its buffer failed.
    if (file.open(QIODevice::WriteOnly | QIODevice::Text) && file.write(bytes) == bytes.size() && file.flush()
        && file.commit()) {
        return true;
    }
    UserPrompts::current()->warning(this, tr("Export Failed"),
                                    tr("The report could not be written to %1:\n%2").arg(path, file.errorString()));
    return false;
}
