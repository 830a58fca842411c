#pragma once

#include "data/account.h"
#include "screens/importcommand.h"
#include "services/csvtable.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class AppState;
class CsvPreviewModel;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableView;

// One QIF source account shown on the form, with the choice of its target.
struct QifMappingRow
{
    QString sourceName;
    QString displayName;
    bool noAccountHeader = false;
    AccountType suggestedType = AccountType::Checking;
    QComboBox *combo = nullptr; // owned by the rows' form layout
};

// Brings transactions from a CSV file into one account, or from QIF files
// into the accounts the user maps their source accounts to.
class ImportScreen : public QWidget
{
    Q_OBJECT

public:
    explicit ImportScreen(AppState *app, QWidget *parent = nullptr);

    void refreshAccounts();
    void reloadAccountsKeepSelection();
    void resetForm();

    // The lines of the result page.
    static QStringList resultLines(const ImportOutcome &outcome);
    // The line that says why a CSV row was left out.
    static QString skippedRowText(const SkippedRow &skipped);
    // The sentence that says why a file was not read.
    static QString refusalText(const ImportFileRefusal &refusal);

    const CsvTable &csvRows() const { return m_csvRows; }
    const QList<QifMappingRow> &qifRows() const { return m_qifRows; }
    CsvPreviewModel *previewModel() const { return m_previewModel; }

Q_SIGNALS:
    void importCompleted();

public Q_SLOTS:
    void selectFile();
    void runImport();

private:
    void buildForm(QWidget *page);
    QWidget *buildCsvPart();
    QWidget *buildQifPart();
    QWidget *buildResultPage();
    QComboBox *makeColumnCombo(bool withNone);
    void fillAccountCombo();
    void onFormatToggled();
    void selectCsvFile();
    void selectQifFiles();
    void loadCsvPreview();
    void clearCsvPreview();
    void refillColumnCombos(const QStringList &firstRow, int columnCount);
    void buildQifMappingRows(const QifAnalysis &analysis);
    void clearQifMappingRows();
    // Asks for a new account when there is none to import into; false when
    // the user declines.
    bool askForNewCsvAccount(std::optional<NewCsvAccount> &newAccount);
    ImportOutcome runQifImport();
    ImportOutcome runCsvImport(const QString &accountId, const std::optional<NewCsvAccount> &newAccount);
    void showResult(const ImportOutcome &outcome);
    void onDone();

    AppState *m_app;
    QString m_csvFilePath;
    QStringList m_qifFiles;
    QList<QifMappingRow> m_qifRows;
    CsvTable m_csvRows;
    int m_lastColumnCount = -1;
    QifAnalysis m_qifAnalysis; // of m_qifFiles

    QRadioButton *m_csvRadio = nullptr;
    QRadioButton *m_qifRadio = nullptr;
    QComboBox *m_accountCombo = nullptr;
    QLabel *m_accountLabel = nullptr;
    QLabel *m_fileLabel = nullptr;
    QComboBox *m_dateColumnCombo = nullptr;
    QComboBox *m_payeeColumnCombo = nullptr;
    QComboBox *m_amountColumnCombo = nullptr;
    QComboBox *m_memoColumnCombo = nullptr;
    QComboBox *m_categoryColumnCombo = nullptr;
    QComboBox *m_dateFormatCombo = nullptr;
    QCheckBox *m_headerCheck = nullptr;
    QTableView *m_previewTable = nullptr;
    CsvPreviewModel *m_previewModel = nullptr;
    QWidget *m_csvPart = nullptr;
    QWidget *m_qifPart = nullptr;
    QFormLayout *m_qifRowsLayout = nullptr;
    QPlainTextEdit *m_resultText = nullptr;
    QStackedWidget *m_stack = nullptr;
};
