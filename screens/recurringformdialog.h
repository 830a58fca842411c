#pragma once

#include "data/recurringtransaction.h"

#include <QDialog>

class AppState;
class DateField;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QStringListModel;
class SmartAmountField;

// The form of one recurring rule: new, edited, or memorized from a
// register transaction. It only builds the rule; the caller stores it.
class RecurringFormDialog : public QDialog
{
    Q_OBJECT

public:
    // Edits an existing rule; its account is kept, so it cannot be chosen.
    RecurringFormDialog(AppState *app, const RecurringTransaction &rule, QWidget *parent = nullptr);
    // A new rule starting today.
    explicit RecurringFormDialog(AppState *app, QWidget *parent = nullptr);

    // A new rule seeded from a transaction ("Memorize Transaction"); the
    // caller owns the dialog.
    static RecurringFormDialog *createFromTransaction(AppState *app, const RecurringTransaction &seed,
        QWidget *parent = nullptr);

    // The rule made from the form; impossible dates are repaired.
    RecurringTransaction recurring() const;
    // Why the form cannot be saved as it stands (category text that names
    // no category or several); empty when it can.
    QString entryProblem() const;

    // OK is refused over the form while it holds a problem: the form stays
    // open with everything typed.
    void done(int result) override;

private:
    void setupUi();
    void loadAccounts();
    void loadCategories();
    void loadRecurring(const RecurringTransaction &rule);
    void loadPayees();
    void updateIntervalLabel();
    void updateSemimonthlyRows();
    void updateAmountCurrency();
    QComboBox *makeDayCombo(int selectedDay);

    AppState *m_app;
    RecurringTransaction m_original;
    bool m_editMode = false;
    bool isCreateFromSeed = false;

    QFormLayout *m_form = nullptr;
    QComboBox *m_accountCombo = nullptr;
    QRadioButton *m_paymentRadio = nullptr;
    QRadioButton *m_depositRadio = nullptr;
    QLineEdit *m_payeeEdit = nullptr;
    QStringListModel *m_payeeModel = nullptr;
    SmartAmountField *m_amountField = nullptr;
    QComboBox *m_categoryCombo = nullptr;
    QLineEdit *m_memoEdit = nullptr;
    QComboBox *m_frequencyCombo = nullptr;
    QSpinBox *m_intervalSpin = nullptr;
    QComboBox *m_firstDayCombo = nullptr;
    QComboBox *m_secondDayCombo = nullptr;
    DateField *m_startField = nullptr;
    QCheckBox *m_hasEndCheck = nullptr;
    DateField *m_endField = nullptr;
    QCheckBox *m_autoPostCheck = nullptr;
    QSpinBox *m_leadDaysSpin = nullptr;
    QCheckBox *m_activeCheck = nullptr;
};
