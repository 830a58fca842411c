#include "register/registerfixture.h"
#include "support/testmain.h"

#include "data/accountrepository.h"
#include "data/transactionrepository.h"
#include "screens/csvpreviewmodel.h"
#include "screens/filechooser.h"
#include "screens/importscreen.h"
#include "services/accountoperations.h"
#include "services/csvparser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>

Q_DECLARE_METATYPE(ImportOutcome)

namespace {

// Hands out the files a test picks, in order; cancels when none is left.
class FakeFileDialogs : public FileChooser
{
public:
    FakeFileDialogs() { FileChooser::setCurrent(this); }
    ~FakeFileDialogs() override { FileChooser::setCurrent(nullptr); }

    QString openFileName(QWidget *, const QString &title, const QString &) override
    {
        titles << title;
        return picks.isEmpty() ? QString() : picks.takeFirst().value(0);
    }
    QStringList openFileNames(QWidget *, const QString &title, const QString &) override
    {
        titles << title;
        return picks.isEmpty() ? QStringList() : picks.takeFirst();
    }

    QList<QStringList> picks;
    QStringList titles;
};

QString fixture(const char *name)
{
    return QStringLiteral(IMPORT_FIXTURES "/") + QString::fromLatin1(name);
}

struct ImportScreenFixture : AppFixture
{
    FakePrompts prompts;
    FakeFileDialogs dialogs;
    std::unique_ptr<ImportScreen> screen;

    ImportScreenFixture()
    {
        screen = std::make_unique<ImportScreen>(app());
        screen->refreshAccounts();
    }

    template <typename T> T *widget(const char *name) const { return findNamed<T>(screen.get(), name); }

    QString writeFile(const QString &name, const QByteArray &content)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write the test file");
        return path;
    }

    void chooseCsv(const QString &path)
    {
        widget<QRadioButton>("csvRadio")->setChecked(true);
        dialogs.picks.append({path});
        screen->selectFile();
    }

    void chooseQif(const QStringList &paths)
    {
        widget<QRadioButton>("qifRadio")->setChecked(true);
        dialogs.picks.append(paths);
        screen->selectFile();
    }

    QStringList comboTexts(const char *name) const
    {
        QStringList texts;
        const auto *combo = widget<QComboBox>(name);
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
        return texts;
    }

    int selectedColumn(const char *name) const { return widget<QComboBox>(name)->currentData().toInt(); }

    void selectColumn(const char *name, int column)
    {
        auto *combo = widget<QComboBox>(name);
        combo->setCurrentIndex(combo->findData(column));
    }

    // The choice combo of the QIF row with that label.
    QComboBox *qifChoice(const QString &displayName) const
    {
        for (const QifMappingRow &row : screen->qifRows()) {
            if (row.displayName == displayName)
                return row.combo;
        }
        return nullptr;
    }

    void choose(QComboBox *combo, const QString &data) { combo->setCurrentIndex(combo->findData(data)); }

    bool onResultPage() const { return widget<QStackedWidget>("importStack")->currentIndex() == 1; }
    QStringList resultLines() const
    {
        return widget<QPlainTextEdit>("resultText")->toPlainText().split(u'\n');
    }

    std::optional<Account> accountNamed(const QString &name) const
    {
        for (const Account &account : app()->accountRepository()->listAll()) {
            if (account.name == name)
                return account;
        }
        return std::nullopt;
    }

    QTemporaryDir dir;
};

} // namespace

class ImportScreenTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The preview reads the file as the import will: ";" rows with CR line
    // ends and Windows-1252 text, every row listed, header included.
    void previewsEveryRowAsTheImportReadsIt()
    {
        ImportScreenFixture f;
        const QString path = f.writeFile(QStringLiteral("bank.csv"),
                                         "Buchungstag;Empf\xE4nger;Betrag;Verwendungszweck mit langem Text\r"
                                         "01.03.2024;Caf\xE9;-24,14;x\r02.03.2024;Bus;-2,80\r");
        f.chooseCsv(path);
        QCOMPARE(f.dialogs.titles.value(0), QStringLiteral("Select File"));
        QCOMPARE(f.widget<QLabel>("fileLabel")->text(), QStringLiteral("bank.csv"));
        QCOMPARE(f.screen->csvRows().rowCount(), 3);
        CsvPreviewModel *model = f.screen->previewModel();
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(model->columnCount(), 4);
        QCOMPARE(model->index(1, 1).data().toString(), QStringLiteral("Caf\u00E9"));
        QCOMPARE(model->index(1, 2).data().toString(), QStringLiteral("-24,14"));
        QVERIFY(model->index(2, 3).data().toString().isEmpty());
        QCOMPARE(model->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Col 3"));

        QCOMPARE(f.comboTexts("memoColumnCombo"),
                 (QStringList{"(none)", "Col 0: Buchungstag", "Col 1: Empf\u00E4nger", "Col 2: Betrag",
                              "Col 3: Verwendungszweck mit"}));
        QCOMPARE(f.selectedColumn("dateColumnCombo"), 0);
        QCOMPARE(f.selectedColumn("payeeColumnCombo"), 1);
        QCOMPARE(f.selectedColumn("amountColumnCombo"), 2);
        QCOMPARE(f.selectedColumn("memoColumnCombo"), -1);

        // The same file again keeps the user's choices; another file with
        // as many columns gets the first three again.
        f.selectColumn("payeeColumnCombo", 3);
        f.chooseCsv(path);
        QCOMPARE(f.selectedColumn("payeeColumnCombo"), 3);
        const QString other = f.writeFile(QStringLiteral("other.csv"), "a,b,c,d\n");
        f.chooseCsv(other);
        QCOMPARE(f.selectedColumn("payeeColumnCombo"), 1);

        // A cancelled dialog changes nothing.
        f.screen->selectFile();
        QCOMPARE(f.widget<QLabel>("fileLabel")->text(), QStringLiteral("other.csv"));
        QVERIFY(f.prompts.messages.isEmpty());
    }

    void failedPreviewClearsThePreviousFileAndSaysWhy_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::newRow("cannot be opened") << false;
        QTest::newRow("no rows") << true;
    }

    void failedPreviewClearsThePreviousFileAndSaysWhy()
    {
        QFETCH(bool, exists);
        ImportScreenFixture f;
        f.addAccount(QStringLiteral("Checking"));
        f.screen->refreshAccounts();
        f.chooseCsv(f.writeFile(QStringLiteral("good.csv"), "2024-01-02,Shop,-1.00\n"));
        QCOMPARE(f.screen->previewModel()->rowCount(), 1);

        const QString bad = exists ? f.writeFile(QStringLiteral("empty.csv"), "\r\n\r\n")
                                   : f.dir.filePath(QStringLiteral("missing.csv"));
        f.chooseCsv(bad);
        QCOMPARE(f.prompts.messages.size(), 1);
        QCOMPARE(f.prompts.messages[0].title, QStringLiteral("Preview Failed"));
        QVERIFY(f.prompts.messages[0].text.contains(exists ? QStringLiteral("holds no rows")
                                                           : QStringLiteral("could not be opened")));
        QVERIFY(f.screen->csvRows().isEmpty());
        QCOMPARE(f.screen->previewModel()->rowCount(), 0);
        QCOMPARE(f.widget<QComboBox>("dateColumnCombo")->count(), 0);
        QCOMPARE(f.comboTexts("memoColumnCombo"), QStringList{"(none)"});
        QCOMPARE(f.widget<QLabel>("fileLabel")->text(), QStringLiteral("No file selected"));

        // Nothing is left to import.
        f.screen->runImport();
        QVERIFY(!f.onResultPage());
    }

    void importsMappedCsvColumnsAndShowsTheResult()
    {
        ImportScreenFixture f;
        const Account checking = f.addAccount(QStringLiteral("Checking"));
        f.addAccount(QStringLiteral("Savings"), AccountType::Savings);
        f.screen->refreshAccounts();
        QCOMPARE(f.comboTexts("accountCombo"), (QStringList{"Checking", "Savings"}));

        f.chooseCsv(f.writeFile(QStringLiteral("bank.csv"),
                                "Memo;Date;Payee;Amount\n"
                                "milk;13/03/2024;Corner Shop;-4,50\n"
                                "fare;03/04/2024;Bus;-2,80\n"
                                "fare;03/04/2024;Bus;-2,80\n"
                                "bad;03/04/2024;Bank;(12.00)\n"));
        f.selectColumn("dateColumnCombo", 1);
        f.selectColumn("payeeColumnCombo", 2);
        f.selectColumn("amountColumnCombo", 3);
        f.selectColumn("memoColumnCombo", 0);
        QSignalSpy completed(f.screen.get(), &ImportScreen::importCompleted);

        f.screen->runImport();
        QVERIFY(f.onResultPage());
        QCOMPARE(f.resultLines(), (QStringList{"Import complete!", "", "3 transaction(s) imported",
                                               "1 record(s) skipped (unparseable)",
                                               "  Row 5: \"(12.00)\" is not an amount"}));
        QCOMPARE(completed.size(), 0);
        const QList<Transaction> rows = f.liveTransactions(checking.id);
        QCOMPARE(rows.size(), 3);
        const std::optional<Transaction> shop = [&]() -> std::optional<Transaction> {
            for (const Transaction &row : rows) {
                if (row.payee == QLatin1String("Corner Shop"))
                    return row;
            }
            return std::nullopt;
        }();
        QVERIFY(shop);
        QCOMPARE(shop->amount, -450);
        QCOMPARE(shop->date, QDate(2024, 3, 13));
        QCOMPARE(shop->memo, QStringLiteral("milk"));
        for (const Transaction &row : rows) {
            if (row.payee == QLatin1String("Bus"))
                QCOMPARE(row.date, QDate(2024, 4, 3)); // read day first, like the rest of the file
        }

        f.widget<QPushButton>("doneButton")->click();
        QCOMPARE(completed.size(), 1);
        QVERIFY(!f.onResultPage());
        QCOMPARE(f.widget<QLabel>("fileLabel")->text(), QStringLiteral("No file selected"));
    }

    // A bank file whose dates the automatic formats do not read: the
    // result page says which rows and what in them, not only how many.
    void resultPageSaysWhySkippedRowsWereSkipped()
    {
        ImportScreenFixture f;
        const Account checking = f.addAccount(QStringLiteral("Checking"));
        f.screen->refreshAccounts();
        f.chooseCsv(f.writeFile(QStringLiteral("konto.csv"),
                                "Buchungstag;Empf\xE4nger;Betrag\n"
                                "29.12.2024;Caf\xE9;-24,14\n"
                                "30.12.2024;Bus;-2,80\n"
                                "2024-12-31;Miete;-1.450\n"
                                "2025-01-02;Bank\n"
                                "Summe;;-1.476,94\n"));
        f.screen->runImport();
        QVERIFY(f.onResultPage());
        QCOMPARE(f.resultLines(),
                 (QStringList{"Import complete!", "", "1 transaction(s) imported", "4 record(s) skipped (unparseable)",
                              "  Row 2: \"29.12.2024\" is not a date in any known format",
                              "  Row 3: \"30.12.2024\" is not a date in any known format",
                              "  Row 5: no cell in the amount column (Col 2)",
                              "  Row 6: \"Summe\" is not a date in any known format"}));
        // The one row that read took its amount the way the file writes them.
        const QList<Transaction> rows = f.liveTransactions(checking.id);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].amount, -145000);
    }

    // A file with a row longer than the parser takes, or larger than an
    // import reads, is refused when it is chosen, and nothing of it is shown
    // or imported. The large one is sparse: it is refused before it is read.
    void previewRefusesAFileItDoesNotRead_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("why");

        QTest::newRow("a row too long")
            << "2024-01-02,Shop,-1.00\n\n\"" + QByteArray(CsvParser::kMaxRowLength, 'x') + "\"\n" << qint64(0)
            << "The file \"huge.csv\" was not read: the row that starts on line 3 is longer than 1048576 characters.";
        QTest::newRow("16 GiB") << QByteArray("2024-01-02,Shop,-1.00\n") << (qint64(16) << 30)
                                << "The file \"huge.csv\" was not read: it is larger than 1024 MB, the largest file "
                                   "an import reads.";
    }

    void previewRefusesAFileItDoesNotRead()
    {
        QFETCH(QByteArray, content);
        QFETCH(qint64, size);
        QFETCH(QString, why);
        ImportScreenFixture f;
        f.chooseCsv(f.writeFile(QStringLiteral("good.csv"), "2024-01-02,Shop,-1.00\n"));
        QCOMPARE(f.screen->previewModel()->rowCount(), 1);
        const QString path = f.writeFile(QStringLiteral("huge.csv"), content);
        if (size > 0 && !QFile(path).resize(size))
            QSKIP("this file system makes no sparse file of that size");
        f.chooseCsv(path);
        QCOMPARE(f.prompts.messages.size(), 1);
        QCOMPARE(f.prompts.messages[0].title, QStringLiteral("Preview Failed"));
        QVERIFY(f.prompts.messages[0].text.contains(why));
        QCOMPARE(f.screen->previewModel()->rowCount(), 0);
        QCOMPARE(f.widget<QLabel>("fileLabel")->text(), QStringLiteral("No file selected"));
        f.screen->runImport();
        QVERIFY(!f.onResultPage());
        QVERIFY(f.app()->accountRepository()->listAll().isEmpty());
    }

    // The file grew a too-long row after it was previewed: the import
    // refuses it and the account made for it goes too.
    void importRefusesAFileThatGrewATooLongRow()
    {
        ImportScreenFixture f;
        const QString path = f.writeFile(QStringLiteral("bank.csv"), "Date,Payee,Amount\n2024-01-02,Shop,-1.00\n");
        f.chooseCsv(path);
        f.writeFile(QStringLiteral("bank.csv"),
                    "Date,Payee,Amount\n2024-01-02,Shop,-1.00\n2024-01-03,Shop," + QByteArray(CsvParser::kMaxRowLength, '9')
                        + "\n");
        f.prompts.steps.append([](QDialog *dialog) {
            findNamed<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("Imported"));
            return int(QDialog::Accepted);
        });
        f.screen->runImport();
        QVERIFY(f.onResultPage());
        QCOMPARE(f.resultLines(),
                 (QStringList{"Import failed.", "",
                              "The file \"bank.csv\" was not read: the row that starts on line 3 is longer than "
                              "1048576 characters. No transactions were added."}));
        QVERIFY(!f.accountNamed(QStringLiteral("Imported")));
        QCOMPARE(f.countRows(QStringLiteral("SELECT COUNT(*) FROM transactions")), 0);
    }

    void csvThatCannotBeOpenedAtImportIsAnError()
    {
        ImportScreenFixture f;
        const Account checking = f.addAccount(QStringLiteral("Checking"));
        f.screen->refreshAccounts();
        const QString path = f.writeFile(QStringLiteral("gone.csv"), "2024-01-02,Shop,-1.00\n");
        f.chooseCsv(path);
        QVERIFY(QFile::remove(path));
        f.screen->runImport();
        QVERIFY(!f.onResultPage());
        QCOMPARE(f.prompts.messages.size(), 1);
        QCOMPARE(f.prompts.messages[0].title, QStringLiteral("Import Failed"));
        QVERIFY(f.liveTransactions(checking.id).isEmpty());
    }

    void withoutAnAccountOffersToCreateOne()
    {
        ImportScreenFixture f;
        f.chooseCsv(f.writeFile(QStringLiteral("bank.csv"), "Date,Payee,Amount\n2024-01-02,Shop,-1.00\n"));

        f.prompts.answerYes = false;
        f.screen->runImport();
        QVERIFY(!f.onResultPage());
        QVERIFY(f.app()->accountRepository()->listAll().isEmpty());

        f.prompts.answerYes = true;
        f.prompts.steps.append([](QDialog *dialog) {
            findNamed<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("Imported"));
            return int(QDialog::Accepted);
        });
        f.screen->runImport();
        QVERIFY(f.onResultPage());
        const std::optional<Account> created = f.accountNamed(QStringLiteral("Imported"));
        QVERIFY(created);
        QCOMPARE(f.widget<QComboBox>("accountCombo")->currentData().toString(), created->id);
        const QList<Transaction> rows = f.liveTransactions(created->id);
        QCOMPARE(rows.size(), 2);
        const std::optional<Transaction> opening =
            f.app()->transactionRepository()->findOpeningBalance(created->id);
        QVERIFY(opening);
        QCOMPARE(opening->payee, QStringLiteral("Opening Balance"));
        QCOMPARE(opening->amount, 0);
    }

    // A failed import takes the account made for it along.
    void failedCsvImportLeavesNoNewAccount()
    {
        ImportScreenFixture f;
        f.chooseCsv(f.writeFile(QStringLiteral("bank.csv"), "Date,Payee,Amount\n2024-01-02,Shop,-1.00\n"));
        QVERIFY(f.failInsertsInto(QStringLiteral("transactions")));
        f.prompts.steps.append([](QDialog *dialog) {
            findNamed<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("Imported"));
            return int(QDialog::Accepted);
        });
        f.screen->runImport();
        QVERIFY(f.onResultPage());
        QCOMPARE(f.resultLines().value(0), QStringLiteral("Import failed."));
        QVERIFY(!f.accountNamed(QStringLiteral("Imported")));
    }

    void analysesQifFilesIntoRowsOfNewAndExistingAccounts()
    {
        ImportScreenFixture f;
        const Account existing = f.addAccount(QStringLiteral("CHECKING"));
        f.screen->refreshAccounts();
        const QString plain = f.writeFile(QStringLiteral("bank.2024.qif"), "!Type:Bank\nD1/5/2024\nPCash\nT-20\n^\n");
        const QString odd = f.writeFile(QStringLiteral("odd.qif"),
                                        "!Account\nNBank & Co\n^\n!Type:Bank\nD1/6/2024\nPFee\nT-1\n^\n");
        f.chooseQif({fixture("checking.qif"), fixture("savings.qif"), plain, odd});
        QCOMPARE(f.dialogs.titles.value(0), QStringLiteral("Select QIF File(s)"));
        QCOMPARE(f.widget<QLabel>("fileLabel")->text(), QStringLiteral("4 file(s) selected"));
        QVERIFY(!f.widget<QWidget>("qifPart")->isHidden());
        QCOMPARE(f.screen->qifRows().size(), 4);

        QComboBox *checking = f.qifChoice(QStringLiteral("Checking"));
        QComboBox *savings = f.qifChoice(QStringLiteral("Savings"));
        QComboBox *noHeader = f.qifChoice(QStringLiteral("bank.2024.qif (no account header)"));
        QComboBox *bank = f.qifChoice(QStringLiteral("Bank & Co"));
        QVERIFY(checking && savings && noHeader && bank);
        QCOMPARE(checking->currentData().toString(), existing.id); // same name, other letter case
        QCOMPARE(savings->currentText(), QStringLiteral("\u2014 Create new account \"Savings\" \u2014"));
        QCOMPARE(noHeader->currentText(), QStringLiteral("\u2014 Create new account \"bank.2024.qif\" \u2014"));
        QCOMPARE(noHeader->itemText(1), QStringLiteral("\u2014 Skip these transactions \u2014"));
        // Names from files are shown as written, never as a mnemonic or markup.
        const auto *layout = f.screen->findChild<QFormLayout *>(QStringLiteral("qifMapRowsLayout"));
        const auto *label = qobject_cast<QLabel *>(layout->itemAt(3, QFormLayout::LabelRole)->widget());
        QCOMPARE(label->text(), QStringLiteral("Bank && Co"));
        QCOMPARE(label->textFormat(), Qt::PlainText);
        f.choose(bank, QStringLiteral("__skip__"));

        f.screen->runImport();
        QVERIFY(f.onResultPage());
        const std::optional<Account> newSavings = f.accountNamed(QStringLiteral("Savings"));
        const std::optional<Account> newPlain = f.accountNamed(QStringLiteral("bank"));
        QVERIFY(newSavings && newPlain);
        QCOMPARE(newSavings->accountType, AccountType::Savings);
        QVERIFY(!f.accountNamed(QStringLiteral("Bank & Co")));
        QCOMPARE(f.liveTransactions(existing.id).size(), 6);
        QCOMPARE(f.liveTransactions(newSavings->id).size(), 2);
        QCOMPARE(f.liveTransactions(newPlain->id).size(), 1);
        // Created without an opening balance.
        QVERIFY(!f.app()->transactionRepository()->findOpeningBalance(newSavings->id));
        QCOMPARE(f.resultLines(),
                 (QStringList{"Import complete!", "", "9 transaction(s) imported",
                              "1 transfer(s) linked across accounts",
                              "1 record(s) skipped (unmapped source account)"}));

        // Back to CSV: the QIF rows go away.
        f.widget<QPushButton>("doneButton")->click();
        QVERIFY(f.screen->qifRows().isEmpty());
        QVERIFY(f.widget<QWidget>("qifPart")->isHidden());
    }

    // Each side of a transfer in its own import, into new accounts: the
    // second links to the first.
    void linksATransferImportedOneSideAtATime()
    {
        ImportScreenFixture f;
        f.chooseQif({fixture("checking.qif")});
        QCOMPARE(f.widget<QLabel>("fileLabel")->toolTip(), fixture("checking.qif"));
        f.screen->runImport();
        QCOMPARE(f.resultLines().value(2), QStringLiteral("6 transaction(s) imported"));
        f.widget<QPushButton>("doneButton")->click();
        const std::optional<Account> checking = f.accountNamed(QStringLiteral("Checking"));
        QVERIFY(checking);

        f.chooseQif({fixture("savings.qif")});
        QCOMPARE(f.screen->qifRows().size(), 1);
        f.screen->runImport();
        QCOMPARE(f.resultLines(),
                 (QStringList{"Import complete!", "", "2 transaction(s) imported",
                              "1 transfer(s) linked across accounts",
                              "  (including 1 linked to previously imported row(s))"}));
        const std::optional<Account> savings = f.accountNamed(QStringLiteral("Savings"));
        QVERIFY(savings);
        Transaction out;
        for (const Transaction &row : f.liveTransactions(checking->id)) {
            if (row.payee == QLatin1String("Transfer to savings"))
                out = row;
        }
        QCOMPARE(out.transferDestAccountId, savings->id);
        QCOMPARE(out.memo, QStringLiteral("Monthly"));
        QVERIFY(!out.transferLinkId.isEmpty());
    }

    // The import works from the files as they were analysed when chosen:
    // they are read once, and what is imported is what the user mapped.
    void importsTheQifFilesAsTheyWereAnalysed()
    {
        ImportScreenFixture f;
        const QString path =
            f.writeFile(QStringLiteral("bank.qif"), "!Account\nNChecking\n^\n!Type:Bank\nD1/2/2024\nPAnalysed\nT-1\n^\n");
        f.chooseQif({path});
        QCOMPARE(f.screen->qifRows().size(), 1);
        f.writeFile(QStringLiteral("bank.qif"), "!Account\nNOther\n^\n!Type:Bank\nD1/3/2024\nPLater\nT-2\n^\n");
        f.screen->runImport();
        QCOMPARE(f.resultLines().value(2), QStringLiteral("1 transaction(s) imported"));
        const std::optional<Account> checking = f.accountNamed(QStringLiteral("Checking"));
        QVERIFY(checking);
        const QList<Transaction> rows = f.liveTransactions(checking->id);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].payee, QStringLiteral("Analysed"));
        QVERIFY(!f.accountNamed(QStringLiteral("Other")));
    }

    // QIF files of which one passes a limit are refused when they are
    // chosen, saying which and why; none of them is left to import.
    void qifFilesOfWhichOneIsRefusedAreNotImported()
    {
        ImportScreenFixture f;
        const QString good = f.writeFile(QStringLiteral("good.qif"), "D1/2/2024\nPShop\nT-1\n^\n");
        const QString bad = f.writeFile(QStringLiteral("bad.qif"),
                                        "D1/2/2024\nPShop\nT-1\n^\n!Type:Cat\nN" + QByteArray(100 * 1024, 'c') + "\n^\n");
        f.chooseQif({good, bad});
        QCOMPARE(f.prompts.messages.size(), 1);
        QCOMPARE(f.prompts.messages[0].title, QStringLiteral("Analysis Failed"));
        QVERIFY(f.prompts.messages[0].text.contains(
            QStringLiteral("The file \"bad.qif\" was not read: line 6 is longer than 65536 characters.")));
        QVERIFY(f.screen->qifRows().isEmpty());
        QCOMPARE(f.widget<QLabel>("fileLabel")->text(), QStringLiteral("No file selected"));
        f.screen->runImport();
        QVERIFY(!f.onResultPage());
        QCOMPARE(f.countRows(QStringLiteral("SELECT COUNT(*) FROM transactions")), 0);
    }

    // The import aborts after the new account was made: nothing stays.
    void abortedQifImportLeavesNoNewAccount()
    {
        ImportScreenFixture f;
        f.chooseQif({fixture("checking.qif")});
        f.screen->runImport();
        f.widget<QPushButton>("doneButton")->click();
        // Relinking the waiting row fails, which aborts the second import.
        QVERIFY(f.execSql(QStringLiteral("CREATE TEMP TRIGGER fail_update BEFORE UPDATE ON transactions "
                                         "BEGIN SELECT RAISE(ABORT, 'forced failure'); END")));
        f.chooseQif({fixture("savings.qif")});
        f.screen->runImport();
        QCOMPARE(f.resultLines(),
                 (QStringList{"Import failed.", "",
                              "The import stopped and all changes were rolled back: forced failure. No "
                              "transactions were added."}));
        QVERIFY(!f.accountNamed(QStringLiteral("Savings")));
        QCOMPARE(f.countRows(QStringLiteral("SELECT COUNT(*) FROM accounts WHERE name = 'Savings'")), 0);
    }

    void anImportTheStoreRefusesNeverSaysComplete_data()
    {
        QTest::addColumn<QString>("format");
        QTest::newRow("csv") << "csv";
        QTest::newRow("qif") << "qif";
    }

    // The disk fills part of the way through: the result page says that the
    // import failed and why, and nothing of it is kept.
    void anImportTheStoreRefusesNeverSaysComplete()
    {
        QFETCH(QString, format);
        ImportScreenFixture f;
        const Account checking = f.addAccount(QStringLiteral("Checking"));
        f.screen->refreshAccounts();
        QByteArray content = format == QLatin1String("qif") ? "!Type:Bank\n" : "";
        for (int n = 0; n < 300; ++n) {
            const QByteArray memo(200, 'm');
            const QByteArray payee = "Shop " + QByteArray::number(n);
            content += format == QLatin1String("qif")
                           ? QByteArray("D01/02/2024\nT-1.00\nP" + payee + "\nM" + memo + "\nLNew "
                                        + QByteArray::number(n % 5) + "\n^\n")
                           : QByteArray("2024-01-02," + payee + ",-1.00\n");
        }
        if (format == QLatin1String("qif")) {
            f.chooseQif({f.writeFile(QStringLiteral("bank.qif"), content)});
            f.choose(f.qifChoice(QStringLiteral("bank.qif (no account header)")), checking.id);
        } else {
            f.chooseCsv(f.writeFile(QStringLiteral("bank.csv"), content));
        }
        const QString before = f.tableDump(QStringLiteral("transactions")) + f.tableDump(QStringLiteral("categories"));
        QVERIFY(f.execSql(QStringLiteral("VACUUM")));
        const int pages = f.countRows(QStringLiteral("PRAGMA page_count"));
        QVERIFY(f.execSql(QStringLiteral("PRAGMA max_page_count = %1").arg(pages + 1)));

        f.screen->runImport();
        QVERIFY(f.onResultPage());
        QCOMPARE(f.resultLines(),
                 (QStringList{"Import failed.", "",
                              "The import stopped and all changes were rolled back: the disk is full. No transactions "
                              "were added."}));
        QCOMPARE(f.tableDump(QStringLiteral("transactions")) + f.tableDump(QStringLiteral("categories")), before);
    }

    // A new account that cannot be stored is a failure, not a source left out.
    void failedAccountCreationIsReported()
    {
        ImportScreenFixture f;
        f.chooseQif({fixture("checking.qif"), fixture("savings.qif")});
        QVERIFY(f.execSql(QStringLiteral("CREATE TEMP TRIGGER fail_savings BEFORE INSERT ON accounts "
                                         "WHEN NEW.name = 'Savings' BEGIN SELECT RAISE(ABORT, 'forced'); END")));
        f.screen->runImport();
        QCOMPARE(f.resultLines(),
                 (QStringList{"Import failed.", "",
                              "The account \"Savings\" could not be created. No transactions were added."}));
        QCOMPARE(f.countRows(QStringLiteral("SELECT COUNT(*) FROM accounts")), 0);
        QCOMPARE(f.countRows(QStringLiteral("SELECT COUNT(*) FROM transactions")), 0);
    }

    void importIntoAnAccountDeletedMeanwhileWritesNothing_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("withNewAccount");
        QTest::newRow("csv") << "csv" << false;
        QTest::newRow("qif") << "qif" << false;
        // The account made for the other file goes too.
        QTest::newRow("qif beside a new account") << "qif" << true;
    }

    // The window stays open with its file chosen while the account it
    // imports into is deleted elsewhere.
    void importIntoAnAccountDeletedMeanwhileWritesNothing()
    {
        QFETCH(QString, format);
        QFETCH(bool, withNewAccount);
        ImportScreenFixture f;
        const Account checking = f.addAccount(QStringLiteral("Checking"));
        f.screen->refreshAccounts();
        if (format == QLatin1String("csv")) {
            f.chooseCsv(f.writeFile(QStringLiteral("bank.csv"), "2024-01-02,Shop,-1.00\n"));
        } else if (withNewAccount) {
            f.chooseQif({fixture("checking.qif"), fixture("savings.qif")});
            QCOMPARE(f.qifChoice(QStringLiteral("Savings"))->currentData().toString(), QStringLiteral("__create__"));
        } else {
            f.chooseQif({fixture("checking.qif")});
        }
        if (format == QLatin1String("qif"))
            QCOMPARE(f.qifChoice(QStringLiteral("Checking"))->currentData().toString(), checking.id);
        QCOMPARE(f.app()->accountOperations()->deleteAccount(checking.id), WriteResult::Written);
        const int rowsBefore = f.countRows(QStringLiteral("SELECT COUNT(*) FROM transactions"));

        f.screen->runImport();
        QVERIFY(f.onResultPage());
        QCOMPARE(f.resultLines(),
                 (QStringList{"Import failed.", "",
                              "An account chosen for this import was deleted elsewhere. No transactions were added."}));
        QCOMPARE(f.countRows(QStringLiteral("SELECT COUNT(*) FROM transactions")), rowsBefore);
        QCOMPARE(f.countRows(QStringLiteral("SELECT COUNT(*) FROM accounts")), 1);
    }

    void resultLinesShowOnlyWhatHappened_data()
    {
        QTest::addColumn<ImportOutcome>("outcome");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("nothing") << ImportOutcome{} << QStringList{"Import complete!", "", "0 transaction(s) imported"};
        ImportOutcome everything;
        everything.result = ImportResult{5, 4, 3, 2, 1, 2, 1, 6, false};
        QTest::newRow("every count")
            << everything
            << QStringList{"Import complete!",
                           "",
                           "5 transaction(s) imported",
                           "2 transfer(s) linked across accounts",
                           "  (including 1 linked to previously imported row(s))",
                           "4 duplicate(s) skipped",
                           "3 record(s) skipped (unparseable)",
                           "2 metadata record(s) skipped",
                           "1 record(s) skipped (unmapped source account)",
                           "6 record(s) skipped (database error \u2014 see log)"};
        ImportOutcome skippedRows;
        skippedRows.result.imported = 1;
        skippedRows.result.skipped = 11;
        const auto skip = [&skippedRows](int row, SkippedRow::Reason reason, const QString &cell = QString(),
                                         int column = -1, const QString &format = QString()) {
            skippedRows.result.skippedRows.append({row, reason, cell, column, format});
        };
        skip(2, SkippedRow::Reason::NoDateCell, QString(), 4);
        skip(3, SkippedRow::Reason::NoPayeeCell, QString(), 1);
        skip(4, SkippedRow::Reason::NoAmountCell, QString(), 2);
        skip(5, SkippedRow::Reason::EmptyDate);
        skip(6, SkippedRow::Reason::UnreadableDate, QStringLiteral("Total"));
        skip(7, SkippedRow::Reason::UnreadableDate, QStringLiteral("2024.12.29"), -1, QStringLiteral("dd/MM/yyyy"));
        skip(8, SkippedRow::Reason::EmptyAmount);
        skip(9, SkippedRow::Reason::UnreadableAmount, QStringLiteral("%1 n/a"));
        skip(10, SkippedRow::Reason::AmountWithDecimals, QStringLiteral("1500.50"));
        QTest::newRow("skipped rows with their reasons")
            << skippedRows
            << QStringList{"Import complete!",
                           "",
                           "1 transaction(s) imported",
                           "11 record(s) skipped (unparseable)",
                           "  Row 2: no cell in the date column (Col 4)",
                           "  Row 3: no cell in the payee column (Col 1)",
                           "  Row 4: no cell in the amount column (Col 2)",
                           "  Row 5: the date cell is empty",
                           "  Row 6: \"Total\" is not a date in any known format",
                           "  Row 7: \"2024.12.29\" is not a date in the format dd/MM/yyyy or any known format",
                           "  Row 8: the amount cell is empty",
                           "  Row 9: \"%1 n/a\" is not an amount",
                           "  Row 10: the amount \"1500.50\" has decimals, which the account's currency does not have",
                           "  and 2 more"};
        const auto fileRefused = [](ImportFileRefusal::Reason reason, qsizetype line, qsizetype limit, const char *path,
                                    const QString &detail = QString()) {
            ImportOutcome outcome;
            outcome.result.aborted = true;
            outcome.result.refusal = {reason, line, limit, QString::fromLatin1(path), detail};
            return outcome;
        };
        QTest::newRow("a row too long")
            << fileRefused(ImportFileRefusal::Reason::RowTooLong, 7, CsvParser::kMaxRowLength, "/tmp/bank.csv")
            << QStringList{"Import failed.", "",
                           "The file \"bank.csv\" was not read: the row that starts on line 7 is longer than "
                           "1048576 characters. No transactions were added."};
        QTest::newRow("a record with too many splits")
            << fileRefused(ImportFileRefusal::Reason::TooManySplits, 12, 10000, "/a/b.qif")
            << QStringList{"Import failed.", "",
                           "The file \"b.qif\" was not read: the record that starts on line 12 has more than 10000 "
                           "split lines. No transactions were added."};
        QTest::newRow("out of memory")
            << fileRefused(ImportFileRefusal::Reason::OutOfMemory, 0, 0, "/a/b.qif")
            << QStringList{"Import failed.", "",
                           "The file \"b.qif\" was not read: there is not enough memory to read it. No transactions "
                           "were added."};
        QTest::newRow("a read that fails partway")
            << fileRefused(ImportFileRefusal::Reason::ReadFailed, 0, 0, "/media/stick/b.qif",
                           QStringLiteral("Input/output error"))
            << QStringList{"Import failed.", "",
                           "The file \"b.qif\" could not be read to its end: Input/output error. No transactions "
                           "were added."};
        ImportOutcome retroactiveOnly;
        retroactiveOnly.result.retroactiveLinked = 1;
        QTest::newRow("no transfer line, no earlier-row line")
            << retroactiveOnly << QStringList{"Import complete!", "", "0 transaction(s) imported"};
        ImportOutcome aborted;
        aborted.result.imported = 3;
        aborted.result.aborted = true;
        ImportOutcome accountGone;
        accountGone.result.aborted = true;
        accountGone.result.accountNotLive = true;
        QTest::newRow("an account deleted meanwhile")
            << accountGone
            << QStringList{"Import failed.", "",
                           "An account chosen for this import was deleted elsewhere. No transactions were added."};
        ImportOutcome refused = aborted;
        refused.result.failureReason = QStringLiteral("the data is in use by another program");
        QTest::newRow("aborted, with the store's reason")
            << refused
            << QStringList{"Import failed.", "",
                           "The import stopped and all changes were rolled back: the data is in use by another "
                           "program. No transactions were added."};
        QTest::newRow("aborted") << aborted
                                 << QStringList{"Import failed.", "",
                                                "A database error stopped the import and all changes were rolled "
                                                "back. No transactions were added."};
    }

    void resultLinesShowOnlyWhatHappened()
    {
        QFETCH(ImportOutcome, outcome);
        QFETCH(QStringList, lines);
        QCOMPARE(ImportScreen::resultLines(outcome), lines);
    }

    // Choosing QIF files forgets the CSV file and the other way round; the
    // CSV preview stays on screen.
    void formatsKeepTheirOwnFiles()
    {
        ImportScreenFixture f;
        f.addAccount(QStringLiteral("Checking"));
        f.screen->refreshAccounts();
        f.chooseCsv(f.writeFile(QStringLiteral("bank.csv"), "2024-01-02,Shop,-1.00\n"));
        f.chooseQif({fixture("checking.qif")});
        QVERIFY(f.widget<QWidget>("accountCombo")->isHidden());
        f.widget<QRadioButton>("csvRadio")->setChecked(true);
        QVERIFY(f.widget<QWidget>("qifPart")->isHidden());
        QCOMPARE(f.screen->previewModel()->rowCount(), 1);
        f.screen->runImport();
        QVERIFY(!f.onResultPage());
    }
};

TALLYRA_TEST(ImportScreenTest)
#include "test_importscreen.moc"
