#pragma once

#include "data/account.h"
#include "services/reportservice.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QWidget>

#include <optional>

class AppState;
class QAbstractItemModel;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class QTableWidget;
class QTimer;
class ReportTransactionsModel;

// The eight reports as tables on tabs, for one account or all of them and a
// chosen period; the current tab's table can be exported as CSV. Only the
// tab on screen is computed, and only when what it shows has changed since
// it was last filled: the data, or the choices its figures depend on (a tab
// that ignores the period is not run again when only the period changes).
class ReportsScreen : public QWidget
{
    Q_OBJECT

public:
    enum Tab {
        CategorySpendingTab = 0,
        PayeeSummaryTab = 1,
        TaxReportTab = 2,
        IncomeVsExpensesTab = 3,
        CashFlowTab = 4,
        YearOverYearTab = 5,
        AccountSummaryTab = 6,
        TransactionsTab = 7,
        TabCount = 8
    };

    struct DatePreset
    {
        // The preset's key, in English; the period list shows it translated.
        QString name;
        QDate from;
        QDate to;
    };

    struct ComparedPeriods
    {
        QDate period1From;
        QDate period1To;
        QDate period2From;
        QDate period2To;
    };

    explicit ReportsScreen(AppState *app, QWidget *parent = nullptr);

    // The period choices in combo order, counted from today; "Custom" has no dates.
    static QList<DatePreset> datePresets(const QDate &today);
    // The periods of a compare choice; none for "Custom" (index 3) and unknown indexes.
    static std::optional<ComparedPeriods> comparedPeriods(int index, const QDate &today);
    // The shown text of a stored account type.
    static QString accountTypeText(const QString &storedType);

    // Column widths of a report table that is available pixels wide: the
    // label column (0) keeps the width its texts need unless the other
    // columns would then not fit, and the other columns share the rest, none
    // below what it needs.
    static QList<int> columnWidths(int labelNeeded, const QList<int> &othersNeeded, int available);

    void refresh();
    // Writes the current tab as CSV to path; an error is shown when the file
    // cannot be written. False when nothing was written.
    bool exportCurrentTabTo(const QString &path);
    // The view of a tab (its model holds the cells as shown).
    QTableView *tableForTab(int index) const;

public Q_SLOTS:
    void onDatePresetChanged(int index);
    void onFilterChanged();
    void runReport();
    void exportCurrentTab();

private:
    void applyDatePreset(int index);
    void onYoyPresetChanged(int index);
    // Puts the periods into the four date edits and the compare label.
    void showComparedPeriods(const ComparedPeriods &periods);
    void populateAccountFilter();
    void onDataChanged();
    QTableWidget *makeReportTable(const QStringList &headers);
    void setupDateEdit(QDateEdit *edit);
    void appendTotalRow(QTableWidget *table, qint64 total1, qint64 total2, qint64 total3, Currency currency,
                        bool withCodes);
    void buildYearOverYearTab();
    void buildTransactionsTab();

    void fillTab(int index);
    // The choices a tab's figures depend on, besides the data.
    QVariantList tabInputs(int index) const;
    ReportError fillCategorySpending(const QDate &from, const QDate &to);
    ReportError fillPayeeSummary(const QDate &from, const QDate &to);
    ReportError fillTaxReport(const QDate &from, const QDate &to);
    ReportError fillMonthlyFlow(QTableWidget *table, const QList<MonthlyFlowRow> &rows);
    ReportError fillYearOverYear();
    ReportError fillAccountSummary();
    ReportError fillTransactions(const QDate &from, const QDate &to);
    void showTabError(ReportError error);
    QString selectedAccountId() const;
    // The currencies a tab shows: those of the accounts it covers (all of
    // them for an empty id), then any other its rows hold.
    QList<Currency> shownCurrencies(const QString &coveredAccountId, const QList<Currency> &rowCurrencies) const;
    QString rangeText(const QDate &from, const QDate &to) const;
    QTableWidget *widgetTable(int index) const;

    AppState *m_app;
    bool m_refilling = true;
    // Counts data changes and refreshes: a tab filled before the last one
    // may no longer show the data as it is.
    quint64 m_dataGeneration = 0;
    // What each tab was last filled from, while its figures are current.
    struct TabFill
    {
        QVariantList inputs;
        quint64 dataGeneration = 0;
    };
    QList<std::optional<TabFill>> m_filled;
    QTimer *m_dataChangeTimer = nullptr;

    QComboBox *m_accountCombo = nullptr;
    QComboBox *m_periodCombo = nullptr;
    QLabel *m_periodLabel = nullptr;
    QDateEdit *m_fromEdit = nullptr;
    QDateEdit *m_toEdit = nullptr;
    QPushButton *m_exportButton = nullptr;
    QLabel *m_errorLabel = nullptr;
    QTabWidget *m_tabs = nullptr;
    QList<QTableView *> m_tables;
    ReportTransactionsModel *m_transactionsModel = nullptr;

    QComboBox *m_compareCombo = nullptr;
    QLabel *m_compareLabel = nullptr;
    QWidget *m_customRange = nullptr;
    QDateEdit *m_period1FromEdit = nullptr;
    QDateEdit *m_period1ToEdit = nullptr;
    QDateEdit *m_period2FromEdit = nullptr;
    QDateEdit *m_period2ToEdit = nullptr;
};
