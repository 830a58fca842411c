#pragma once

#include "data/account.h"
#include "data/splitline.h"
#include "data/transaction.h"

#include <QDialog>

class AppState;
class DateField;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class RegisterComboBox;
class SmartAmountField;
class SplitLinesWidget;

// The full form for one transaction: payment, deposit or transfer, with a
// single category or split lines. It builds the record; the caller stores it.
class TransactionFormDialog : public QDialog
{
    Q_OBJECT

public:
    // Edits an existing transaction.
    TransactionFormDialog(AppState *app, const Transaction &transaction, QWidget *parent = nullptr);
    // Creates a new transaction in the account.
    TransactionFormDialog(AppState *app, const QString &accountId, QWidget *parent = nullptr);

    void prefill(const Transaction &seed);
    // Shows category text typed elsewhere: the item of that label, else the
    // text as typed; empty text chooses no category.
    void showTypedCategory(const QString &text);
    // The record built from the form. Also remembers its date for the next
    // new-transaction form.
    Transaction transaction() const;
    // The split lines in split mode, signed like the transaction; otherwise empty.
    QList<SplitLine> splitLines() const;
    // Why what the form holds cannot be saved as it stands (a category
    // typed that names none, split lines that do not add up to the total);
    // empty when it can.
    QString entryProblem() const;

    // OK is refused over the form while it holds a problem or a split line
    // without a category: the form stays where it is, with everything typed.
    void done(int result) override;

public Q_SLOTS:
    void onPayeeSelected(const QString &payee);
    void onEnterSplit();
    void onClearSplit();

private Q_SLOTS:
    void onTypeChanged();

private:
    void setupUi();
    void loadCategories();
    void ensureCategoryShown(const QString &categoryId);
    void selectCategory(const QString &categoryId);
    void loadTransaction();
    void showStoredCategoryAndSplit(const Transaction &stored);
    void enterSplitMode(const QList<SplitLine> &lines);
    void updateSplitUi();
    void updateCategoryEnabled();
    void updateSplitRemaining();
    bool isEditedTransferLeg() const;
    // The chosen category: the item shown, else the one the typed text names.
    QString shownCategoryId() const;

    AppState *m_app;
    QString m_accountId;
    Currency m_currency = Currency::USD;
    Transaction m_transaction;
    bool m_editMode;
    bool m_splitMode = false;
    // In split mode: the total the lines divide, held from when the split
    // began; without one (split begun at 0.00) the total is the lines' sum.
    bool m_splitTotalHeld = false;

    QLabel *m_openingBalanceNote = nullptr;
    QRadioButton *m_negativeRadio = nullptr;
    QRadioButton *m_positiveRadio = nullptr;
    QRadioButton *m_transferRadio = nullptr;
    DateField *m_dateField = nullptr;
    QLineEdit *m_payeeEdit = nullptr;
    QLabel *m_payeeLabel = nullptr;
    QComboBox *m_transferAccountCombo = nullptr;
    QStackedWidget *m_payeeStack = nullptr;
    SmartAmountField *m_amountField = nullptr;
    RegisterComboBox *m_categoryCombo = nullptr;
    QPushButton *m_splitButton = nullptr;
    QPushButton *m_singleCategoryButton = nullptr;
    SplitLinesWidget *m_splitLinesWidget = nullptr;
    QLabel *m_splitRemainingLabel = nullptr;
    QLineEdit *m_memoEdit = nullptr;
    QLineEdit *m_checkNumberEdit = nullptr;
    QCheckBox *m_clearedCheck = nullptr;
};
