#pragma once

#include "register/registerfilter.h"

#include <QDialog>

class AppState;
class DateField;
class QCheckBox;
class QComboBox;
class QRadioButton;

// Edits one account's register filter: status, date range and category.
class RegisterFilterDialog : public QDialog
{
    Q_OBJECT

public:
    RegisterFilterDialog(AppState *app, const RegisterFilter &filter, QWidget *parent = nullptr);

    void setFilter(const RegisterFilter &filter);
    RegisterFilter filter() const;

private:
    void setupUi();
    void loadCategories();

    AppState *m_app;
    RegisterFilter m_filter;
    QRadioButton *m_allRadio = nullptr;
    QRadioButton *m_clearedRadio = nullptr;
    QRadioButton *m_unclearedRadio = nullptr;
    QCheckBox *m_rangeCheck = nullptr;
    DateField *m_fromField = nullptr;
    DateField *m_toField = nullptr;
    QComboBox *m_categoryCombo = nullptr;
};
