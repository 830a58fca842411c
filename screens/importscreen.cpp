#include "screens/importscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "register/userprompts.h"
#include "screens/csvpreviewmodel.h"
#include "screens/filechooser.h"
#include "screens/screentext.h"
#include "services/csvparser.h"
#include "services/importservice.h"
#include "ui/accountformdialog.h"
#include "ui/palettehelpers.h"
#include "ui/thememanager.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString kCreateChoice = QStringLiteral("__create__");
const QString kSkipChoice = QStringLiteral("__skip__");

QString fileNameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

// A label reads "&" as a mnemonic mark; names from files show it as typed.
QString asLabelText(const QString &text)
{
    QString escaped = text;
    return escaped.replace(u'&', QStringLiteral("&&"));
}

} // namespace

ImportScreen::ImportScreen(AppState *app, QWidget *parent)
    : QWidget(parent)
    , m_app(app)
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 16, 16, 16);

    auto *title = new QLabel(tr("Import Transactions"), this);
    applyFontRoleWithWeight(title, 4, 700);
    outer->addWidget(title);

    m_stack = new QStackedWidget(this);
    m_stack->setObjectName(QStringLiteral("importStack"));
    outer->addWidget(m_stack, 1);

    auto *formPage = new QWidget(m_stack);
    buildForm(formPage);
    m_stack->addWidget(formPage);
    m_stack->addWidget(buildResultPage());

    connect(m_csvRadio, &QRadioButton::toggled, this, &ImportScreen::onFormatToggled);
    connect(m_qifRadio, &QRadioButton::toggled, this, &ImportScreen::onFormatToggled);
    onFormatToggled();
    m_stack->setCurrentIndex(0);
}

void ImportScreen::buildForm(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *form = new QFormLayout;
    auto *formatRow = new QHBoxLayout;
    formatRow->setContentsMargins(0, 0, 0, 0);
    m_csvRadio = new QRadioButton(tr("CSV"), page);
    m_csvRadio->setObjectName(QStringLiteral("csvRadio"));
    m_qifRadio = new QRadioButton(tr("QIF"), page);
    m_qifRadio->setObjectName(QStringLiteral("qifRadio"));
    auto *formats = new QButtonGroup(page);
    formats->setExclusive(true);
    formats->addButton(m_csvRadio);
    formats->addButton(m_qifRadio);
    m_csvRadio->setChecked(true);
    formatRow->addWidget(m_csvRadio);
    formatRow->addWidget(m_qifRadio);
    formatRow->addStretch();
    auto *formatLabel = new QLabel(tr("&Format:"), page);
    formatLabel->setBuddy(m_csvRadio);
    form->addRow(formatLabel, formatRow);

    m_accountCombo = new QComboBox(page);
    m_accountCombo->setObjectName(QStringLiteral("accountCombo"));
    m_accountLabel = new QLabel(tr("&Account:"), page);
    m_accountLabel->setBuddy(m_accountCombo);
    form->addRow(m_accountLabel, m_accountCombo);

    auto *fileRow = new QHBoxLayout;
    m_fileLabel = new QLabel(tr("No file selected"), page);
    m_fileLabel->setObjectName(QStringLiteral("fileLabel"));
    m_fileLabel->setTextFormat(Qt::PlainText);
    auto *browse = new QPushButton(tr("Browse..."), page);
    browse->setObjectName(QStringLiteral("browseButton"));
    connect(browse, &QPushButton::clicked, this, &ImportScreen::selectFile);
    fileRow->addWidget(m_fileLabel, 1);
    fileRow->addWidget(browse);
    form->addRow(tr("File:"), fileRow);
    layout->addLayout(form);
    layout->addSpacing(16);

    m_csvPart = buildCsvPart();
    layout->addWidget(m_csvPart, 1);
    m_qifPart = buildQifPart();
    layout->addWidget(m_qifPart);
    m_qifPart->hide();

    auto *importButton = new QPushButton(tr("Import"), page);
    importButton->setObjectName(QStringLiteral("importButton"));
    connect(importButton, &QPushButton::clicked, this, &ImportScreen::runImport);
    layout->addWidget(importButton);
}

QWidget *ImportScreen::buildCsvPart()
{
    auto *part = new QWidget(this);
    part->setObjectName(QStringLiteral("csvPart"));
    auto *layout = new QVBoxLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *caption = new QLabel(tr("CSV Column Mapping:"), part);
    applyFontRoleWithWeight(caption, 0, 700);
    layout->addWidget(caption);

    auto *form = new QFormLayout;
    m_dateColumnCombo = makeColumnCombo(false);
    m_dateColumnCombo->setObjectName(QStringLiteral("dateColumnCombo"));
    m_payeeColumnCombo = makeColumnCombo(false);
    m_payeeColumnCombo->setObjectName(QStringLiteral("payeeColumnCombo"));
    m_amountColumnCombo = makeColumnCombo(false);
    m_amountColumnCombo->setObjectName(QStringLiteral("amountColumnCombo"));
    m_memoColumnCombo = makeColumnCombo(true);
    m_memoColumnCombo->setObjectName(QStringLiteral("memoColumnCombo"));
    m_categoryColumnCombo = makeColumnCombo(true);
    m_categoryColumnCombo->setObjectName(QStringLiteral("categoryColumnCombo"));
    form->addRow(tr("Date column:"), m_dateColumnCombo);
    form->addRow(tr("Payee column:"), m_payeeColumnCombo);
    form->addRow(tr("Amount column:"), m_amountColumnCombo);
    form->addRow(tr("Memo column:"), m_memoColumnCombo);
    form->addRow(tr("Category column:"), m_categoryColumnCombo);

    m_dateFormatCombo = new QComboBox(part);
    m_dateFormatCombo->setObjectName(QStringLiteral("dateFormatCombo"));
    m_dateFormatCombo->addItem(tr("Auto-detect"), QString());
    for (const char *pattern : {"MM/dd/yyyy", "M/d/yyyy", "M/dd/yyyy", "dd/MM/yyyy", "yyyy-MM-dd", "yyyyMMdd", "MM/dd/yy"})
        m_dateFormatCombo->addItem(QString::fromLatin1(pattern), QString::fromLatin1(pattern));
    m_dateFormatCombo->addItem(tr("Month D, YYYY (May 14, 2026)"), QStringLiteral("MMMM d, yyyy"));
    m_dateFormatCombo->setCurrentIndex(0);
    form->addRow(tr("Date format:"), m_dateFormatCombo);

    m_headerCheck = new QCheckBox(tr("First row is header"), part);
    m_headerCheck->setObjectName(QStringLiteral("headerCheck"));
    m_headerCheck->setChecked(true);
    form->addRow(QString(), m_headerCheck);
    layout->addLayout(form);

    m_previewModel = new CsvPreviewModel(this);
    m_previewTable = new QTableView(part);
    m_previewTable->setObjectName(QStringLiteral("previewTable"));
    m_previewTable->setModel(m_previewModel);
    m_previewTable->setMinimumHeight(220);
    m_previewTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_previewTable->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Every row of the file is listed: heights stay uniform, never measured.
    m_previewTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    layout->addWidget(m_previewTable, 1);
    return part;
}

QWidget *ImportScreen::buildQifPart()
{
    auto *part = new QWidget(this);
    part->setObjectName(QStringLiteral("qifPart"));
    auto *layout = new QVBoxLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *caption = new QLabel(tr("QIF source accounts:"), part);
    applyFontRoleWithWeight(caption, 0, 700);
    layout->addWidget(caption);
    auto *hint = new QLabel(tr("Choose where each Quicken account should be imported. Accounts mapped across the "
                               "selected files will have their transfers linked automatically."),
                            part);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    m_qifRowsLayout = new QFormLayout;
    m_qifRowsLayout->setObjectName(QStringLiteral("qifMapRowsLayout"));
    layout->addLayout(m_qifRowsLayout);
    return part;
}

QWidget *ImportScreen::buildResultPage()
{
    auto *page = new QWidget(m_stack);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    m_resultText = new QPlainTextEdit(page);
    m_resultText->setObjectName(QStringLiteral("resultText"));
    m_resultText->setReadOnly(true);
    m_resultText->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_resultText->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_resultText->setProperty("lumoFontRole", 0);
    m_resultText->setFont(ThemeManager::scaledFont());
    layout->addWidget(m_resultText, 1);
    auto *done = new QPushButton(tr("Done"), page);
    done->setObjectName(QStringLiteral("doneButton"));
    connect(done, &QPushButton::clicked, this, &ImportScreen::onDone);
    layout->addWidget(done, 0, Qt::AlignHCenter);
    return page;
}

QComboBox *ImportScreen::makeColumnCombo(bool withNone)
{
    auto *combo = new QComboBox(this);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo->setMinimumWidth(160);
    if (withNone)
        combo->addItem(tr("(none)"), -1);
    return combo;
}

void ImportScreen::fillAccountCombo()
{
    m_accountCombo->clear();
    for (const Account &account : m_app->accountRepository()->listAll())
        m_accountCombo->addItem(account.name, account.id);
}

void ImportScreen::refreshAccounts()
{
    resetForm();
    fillAccountCombo();
}

void ImportScreen::reloadAccountsKeepSelection()
{
    const QString selected = m_accountCombo->currentData().toString();
    fillAccountCombo();
    if (!selected.isEmpty()) {
        const int index = m_accountCombo->findData(selected);
        if (index >= 0)
            m_accountCombo->setCurrentIndex(index);
    }
}

void ImportScreen::resetForm()
{
    m_csvFilePath.clear();
    m_qifFiles.clear();
    m_qifAnalysis = QifAnalysis();
    m_fileLabel->setText(tr("No file selected"));
    m_fileLabel->setToolTip(QString());
    m_csvRadio->setChecked(true);
    m_csvRows = CsvTable();
    m_previewModel->clear();
    clearQifMappingRows();
    m_resultText->clear();
    m_stack->setCurrentIndex(0);
}

void ImportScreen::onFormatToggled()
{
    const bool csv = m_csvRadio->isChecked();
    m_csvPart->setVisible(csv);
    m_accountLabel->setVisible(csv);
    m_accountCombo->setVisible(csv);
    if (csv)
        clearQifMappingRows();
}

void ImportScreen::selectFile()
{
    clearQifMappingRows();
    if (m_qifRadio->isChecked())
        selectQifFiles();
    else
        selectCsvFile();
}

void ImportScreen::selectCsvFile()
{
    const QString path =
        FileChooser::current()->openFileName(this, tr("Select File"), tr("CSV Files (*.csv);;All Files (*)"));
    if (path.isEmpty())
        return;
    if (path != m_csvFilePath)
        m_lastColumnCount = -1;
    m_csvFilePath = path;
    m_qifFiles.clear();
    m_qifAnalysis = QifAnalysis();
    m_fileLabel->setText(fileNameOf(path));
    loadCsvPreview();
}

void ImportScreen::loadCsvPreview()
{
    // Read exactly as the import will read it: same decoding, same separator.
    const CsvParser::FileRead read = CsvParser::readFile(m_csvFilePath);
    if (read.status != CsvParser::FileRead::Status::Read || read.table.isEmpty()) {
        const QString name = fileNameOf(m_csvFilePath);
        QString why;
        switch (read.status) {
        case CsvParser::FileRead::Status::NotOpened:
            why = tr("The file \"%1\" could not be opened.").arg(name);
            break;
        case CsvParser::FileRead::Status::Refused:
            why = refusalText(read.refusal);
            break;
        case CsvParser::FileRead::Status::Read:
            why = tr("The file \"%1\" holds no rows to import.").arg(name);
            break;
        }
        clearCsvPreview();
        UserPrompts::current()->warning(this, tr("Preview Failed"), plainTextMessage(why));
        return;
    }
    m_csvRows = read.table;
    const int columnCount = int(m_csvRows.fieldCount(0));
    refillColumnCombos(m_csvRows.row(0), columnCount);
    if (columnCount >= 3 && columnCount != m_lastColumnCount) {
        m_dateColumnCombo->setCurrentIndex(m_dateColumnCombo->findData(0));
        m_payeeColumnCombo->setCurrentIndex(m_payeeColumnCombo->findData(1));
        m_amountColumnCombo->setCurrentIndex(m_amountColumnCombo->findData(2));
    }
    m_lastColumnCount = columnCount;
    m_previewModel->setTable(m_csvRows, columnCount);
}

// A file that could not be previewed leaves nothing of the previous one:
// neither its rows nor column choices that would apply to another file.
void ImportScreen::clearCsvPreview()
{
    m_csvFilePath.clear();
    m_fileLabel->setText(tr("No file selected"));
    m_csvRows = CsvTable();
    m_previewModel->clear();
    refillColumnCombos({}, 0);
    m_lastColumnCount = -1;
}

void ImportScreen::refillColumnCombos(const QStringList &firstRow, int columnCount)
{
    for (QComboBox *combo :
         {m_dateColumnCombo, m_payeeColumnCombo, m_amountColumnCombo, m_memoColumnCombo, m_categoryColumnCombo}) {
        const bool withNone = combo == m_memoColumnCombo || combo == m_categoryColumnCombo;
        const int remembered = combo->currentIndex();
        combo->clear();
        if (withNone)
            combo->addItem(tr("(none)"), -1);
        for (int column = 0; column < columnCount; ++column)
            combo->addItem(tr("Col %1: %2").arg(QString::number(column), firstRow.value(column).left(20)), column);
        if (remembered >= 0 && remembered < combo->count())
            combo->setCurrentIndex(remembered);
    }
}

void ImportScreen::selectQifFiles()
{
    const QStringList files =
        FileChooser::current()->openFileNames(this, tr("Select QIF File(s)"), tr("QIF Files (*.qif)"));
    if (files.isEmpty())
        return;
    m_qifFiles = files;
    m_qifAnalysis = QifAnalysis();
    m_csvFilePath.clear();
    if (files.size() == 1) {
        m_fileLabel->setText(fileNameOf(files.first()));
        m_fileLabel->setToolTip(files.first());
    } else {
        m_fileLabel->setText(tr("%n file(s) selected", nullptr, int(files.size())));
        m_fileLabel->setToolTip(files.join(u'\n'));
    }

    QProgressDialog progress(tr("Analyzing QIF file(s)..."), QString(), 0, 0, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(200);
    progress.setValue(0);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
    QifAnalysis analysis = m_app->importService()->analyzeQifFiles(m_qifFiles);
    progress.close();

    if (analysis.refusal.refused()) {
        // Files of which one cannot be read are not imported in part.
        m_qifFiles.clear();
        m_qifAnalysis = QifAnalysis();
        m_fileLabel->setText(tr("No file selected"));
        m_fileLabel->setToolTip(QString());
        UserPrompts::current()->warning(this, tr("Analysis Failed"), plainTextMessage(refusalText(analysis.refusal)));
        return;
    }
    // The import works from what was read here.
    m_qifAnalysis = std::move(analysis);
    if (m_qifAnalysis.accounts.isEmpty())
        return;
    buildQifMappingRows(m_qifAnalysis);
    m_qifPart->show();
}

void ImportScreen::buildQifMappingRows(const QifAnalysis &analysis)
{
    if (!m_qifRowsLayout)
        return;
    const QList<Account> accounts = m_app->accountRepository()->listAll();
    for (const QifSourceAccount &source : analysis.accounts) {
        auto *combo = new QComboBox(m_qifPart);
        QString offered = source.displayName;
        if (source.noAccountHeader)
            offered = offered.left(offered.indexOf(u' '));
        combo->addItem(tr("\u2014 Create new account \"%1\" \u2014").arg(offered), kCreateChoice);
        combo->addItem(tr("\u2014 Skip these transactions \u2014"), kSkipChoice);
        int selected = 0;
        for (const Account &account : accounts) {
            combo->addItem(account.name, account.id);
            if (selected == 0 && !source.noAccountHeader
                && account.name.compare(source.displayName, Qt::CaseInsensitive) == 0)
                selected = combo->count() - 1;
        }
        combo->setCurrentIndex(selected);

        auto *label = new QLabel(asLabelText(source.displayName), m_qifPart);
        label->setTextFormat(Qt::PlainText);
        label->setBuddy(combo);
        m_qifRowsLayout->addRow(label, combo);

        QifMappingRow row;
        row.sourceName = source.sourceName;
        row.displayName = source.displayName;
        row.noAccountHeader = source.noAccountHeader;
        row.suggestedType = source.suggestedType;
        row.combo = combo;
        m_qifRows.append(row);
    }
}

void ImportScreen::clearQifMappingRows()
{
    if (m_qifRowsLayout) {
        while (m_qifRowsLayout->rowCount() > 0)
            m_qifRowsLayout->removeRow(0);
    }
    m_qifRows.clear();
    m_qifPart->hide();
}

bool ImportScreen::askForNewCsvAccount(std::optional<NewCsvAccount> &newAccount)
{
    if (!UserPrompts::current()->askYesNo(this, tr("No target account"),
                                          tr("Pick an account to import into, or create one now.")))
        return false;
    AccountFormDialog dialog(this);
    if (UserPrompts::current()->runDialog(&dialog) != QDialog::Accepted)
        return false;
    const Account account = dialog.account();
    if (account.name.isEmpty())
        return false;
    newAccount = NewCsvAccount{account, dialog.openingBalanceDate(), tr("Opening Balance")};
    return true;
}

void ImportScreen::runImport()
{
    const bool qif = m_qifRadio->isChecked();
    if (qif ? m_qifFiles.isEmpty() : m_csvFilePath.isEmpty())
        return;

    QString accountId = m_accountCombo->currentData().toString();
    std::optional<NewCsvAccount> newAccount;
    if (!qif) {
        // The service reads a file it cannot open as one without rows: say so
        // rather than report an import of nothing.
        QFile file(m_csvFilePath);
        if (!file.open(QIODevice::ReadOnly)) {
            UserPrompts::current()->warning(
                this, tr("Import Failed"),
                plainTextMessage(tr("The file \"%1\" could not be opened. Nothing was imported.")
                                     .arg(fileNameOf(m_csvFilePath))));
            return;
        }
        file.close();
        if (accountId.isEmpty()) {
            if (!askForNewCsvAccount(newAccount))
                return;
            accountId = newAccount->account.id;
        }
    }

    QProgressDialog progress(tr("Importing..."), QString(), 0, 0, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    ImportService *service = m_app->importService();
    const QMetaObject::Connection started =
        connect(service, &ImportService::importStarted, &progress, [&progress](int totalRecords) {
            progress.setMaximum(totalRecords);
            progress.setValue(0);
        });
    const QMetaObject::Connection advanced = connect(service, &ImportService::importProgress, &progress,
                                                     [&progress](int currentRecord, int totalRecords) {
                                                         progress.setMaximum(totalRecords);
                                                         progress.setValue(currentRecord);
                                                     });
    const ImportOutcome outcome = qif ? runQifImport() : runCsvImport(accountId, newAccount);
    disconnect(started);
    disconnect(advanced);
    progress.close();

    if (newAccount) {
        reloadAccountsKeepSelection();
        const int index = m_accountCombo->findData(newAccount->account.id);
        if (index >= 0)
            m_accountCombo->setCurrentIndex(index);
    }
    showResult(outcome);
}

ImportOutcome ImportScreen::runQifImport()
{
    QList<QifTarget> targets;
    for (const QifMappingRow &row : std::as_const(m_qifRows)) {
        QifTarget target;
        target.sourceName = row.sourceName;
        target.displayName = row.displayName;
        target.noAccountHeader = row.noAccountHeader;
        target.suggestedType = row.suggestedType;
        const QString choice = row.combo->currentData().toString();
        if (choice == kCreateChoice) {
            target.choice = QifTarget::Choice::CreateAccount;
        } else if (choice == kSkipChoice) {
            target.choice = QifTarget::Choice::Skip;
        } else {
            target.choice = QifTarget::Choice::ExistingAccount;
            target.accountId = choice;
        }
        targets.append(target);
    }
    return ImportCommand(m_app).runQif(m_qifAnalysis, targets);
}

ImportOutcome ImportScreen::runCsvImport(const QString &accountId, const std::optional<NewCsvAccount> &newAccount)
{
    CsvImportMapping mapping;
    mapping.dateColumn = m_dateColumnCombo->currentData().toInt();
    mapping.payeeColumn = m_payeeColumnCombo->currentData().toInt();
    mapping.amountColumn = m_amountColumnCombo->currentData().toInt();
    mapping.memoColumn = m_memoColumnCombo->currentData().toInt();
    mapping.categoryColumn = m_categoryColumnCombo->currentData().toInt();
    mapping.hasHeader = m_headerCheck->isChecked();
    mapping.dateFormat = m_dateFormatCombo->currentData().toString();
    return ImportCommand(m_app).runCsv(m_csvFilePath, accountId, mapping, newAccount);
}

QStringList ImportScreen::resultLines(const ImportOutcome &outcome)
{
    if (outcome.accountCreationFailed) {
        return {tr("Import failed."), QString(),
                tr("The account \"%1\" could not be created. No transactions were added.")
                    .arg(outcome.failedAccountName)};
    }
    const ImportResult &result = outcome.result;
    if (result.refusal.refused())
        return {tr("Import failed."), QString(), tr("%1 No transactions were added.").arg(refusalText(result.refusal))};
    if (result.accountNotLive) {
        return {tr("Import failed."), QString(),
                tr("An account chosen for this import was deleted elsewhere. No transactions were added.")};
    }
    if (result.aborted && !result.failureReason.isEmpty()) {
        return {tr("Import failed."), QString(),
                tr("The import stopped and all changes were rolled back: %1. No transactions were added.")
                    .arg(result.failureReason)};
    }
    if (result.aborted) {
        return {tr("Import failed."), QString(),
                tr("A database error stopped the import and all changes were rolled back. No transactions were "
                   "added.")};
    }
    QStringList lines{tr("Import complete!"), QString(), tr("%n transaction(s) imported", nullptr, result.imported)};
    if (result.transfersLinked > 0) {
        lines << tr("%n transfer(s) linked across accounts", nullptr, result.transfersLinked);
        if (result.retroactiveLinked > 0)
            lines << tr("  (including %n linked to previously imported row(s))", nullptr, result.retroactiveLinked);
    }
    if (result.duplicates > 0)
        lines << tr("%n duplicate(s) skipped", nullptr, result.duplicates);
    if (result.skipped > 0) {
        lines << tr("%n record(s) skipped (unparseable)", nullptr, result.skipped);
        for (const SkippedRow &skipped : result.skippedRows)
            lines << QStringLiteral("  ") + skippedRowText(skipped);
        const int unlisted = result.skipped - int(result.skippedRows.size());
        if (!result.skippedRows.isEmpty() && unlisted > 0)
            lines << QStringLiteral("  ") + tr("and %1 more").arg(unlisted);
    }
    if (result.metadataSkipped > 0)
        lines << tr("%n metadata record(s) skipped", nullptr, result.metadataSkipped);
    if (result.unmappedSkipped > 0)
        lines << tr("%n record(s) skipped (unmapped source account)", nullptr, result.unmappedSkipped);
    if (result.failed > 0)
        lines << tr("%n record(s) skipped (database error \u2014 see log)", nullptr, result.failed);
    return lines;
}

QString ImportScreen::refusalText(const ImportFileRefusal &refusal)
{
    const QString name = fileNameOf(refusal.path);
    const QString line = QString::number(refusal.line);
    const QString limit = QString::number(refusal.limit);
    switch (refusal.reason) {
    case ImportFileRefusal::Reason::None:
        break;
    case ImportFileRefusal::Reason::TooLarge:
        return tr("The file \"%1\" was not read: it is larger than %2 MB, the largest file an import reads.")
            .arg(name, QString::number(refusal.limit / (1024 * 1024)));
    case ImportFileRefusal::Reason::OutOfMemory:
        return tr("The file \"%1\" was not read: there is not enough memory to read it.").arg(name);
    case ImportFileRefusal::Reason::ReadFailed:
        return tr("The file \"%1\" could not be read to its end: %2.").arg(name, refusal.detail);
    case ImportFileRefusal::Reason::RowTooLong:
        return tr("The file \"%1\" was not read: the row that starts on line %2 is longer than %3 characters.")
            .arg(name, line, limit);
    case ImportFileRefusal::Reason::LineTooLong:
        return tr("The file \"%1\" was not read: line %2 is longer than %3 characters.").arg(name, line, limit);
    case ImportFileRefusal::Reason::RecordTooLong:
        return tr("The file \"%1\" was not read: the record that starts on line %2 is longer than %3 characters.")
            .arg(name, line, limit);
    case ImportFileRefusal::Reason::TooManySplits:
        return tr("The file \"%1\" was not read: the record that starts on line %2 has more than %3 split lines.")
            .arg(name, line, limit);
    }
    return QString();
}

QString ImportScreen::skippedRowText(const SkippedRow &skipped)
{
    const QString row = QString::number(skipped.row);
    const QString column = QString::number(skipped.column);
    switch (skipped.reason) {
    case SkippedRow::Reason::NoDateCell:
        return tr("Row %1: no cell in the date column (Col %2)").arg(row, column);
    case SkippedRow::Reason::NoPayeeCell:
        return tr("Row %1: no cell in the payee column (Col %2)").arg(row, column);
    case SkippedRow::Reason::NoAmountCell:
        return tr("Row %1: no cell in the amount column (Col %2)").arg(row, column);
    case SkippedRow::Reason::EmptyDate:
        return tr("Row %1: the date cell is empty").arg(row);
    case SkippedRow::Reason::UnreadableDate:
        if (skipped.dateFormat.isEmpty())
            return tr("Row %1: \"%2\" is not a date in any known format").arg(row, skipped.cell);
        return tr("Row %1: \"%2\" is not a date in the format %3 or any known format")
            .arg(row, skipped.cell, skipped.dateFormat);
    case SkippedRow::Reason::EmptyAmount:
        return tr("Row %1: the amount cell is empty").arg(row);
    case SkippedRow::Reason::UnreadableAmount:
        return tr("Row %1: \"%2\" is not an amount").arg(row, skipped.cell);
    case SkippedRow::Reason::AmountWithDecimals:
        return tr("Row %1: the amount \"%2\" has decimals, which the account's currency does not have")
            .arg(row, skipped.cell);
    }
    return QString();
}

void ImportScreen::showResult(const ImportOutcome &outcome)
{
    m_resultText->setPlainText(resultLines(outcome).join(u'\n'));
    m_stack->setCurrentIndex(1);
}

void ImportScreen::onDone()
{
    Q_EMIT importCompleted();
    resetForm();
    window()->close();
}
