#include "register/registerfilterdialog.h"

#include "app/appstate.h"
#include "data/categoryrepository.h"
#include "register/categoryitems.h"
#include "register/datefield.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

RegisterFilterDialog::RegisterFilterDialog(AppState *app, const RegisterFilter &filter, QWidget *parent)
    : QDialog(parent)
    , m_app(app)
    , m_filter(filter)
{
    setWindowTitle(tr("Filters"));
    setupUi();
    loadCategories();
    setFilter(filter);
}

void RegisterFilterDialog::setupUi()
{
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);

    auto *statusRow = new QHBoxLayout;
    m_allRadio = new QRadioButton(tr("All"), this);
    m_allRadio->setObjectName(QStringLiteral("allRadio"));
    m_clearedRadio = new QRadioButton(tr("Cleared"), this);
    m_clearedRadio->setObjectName(QStringLiteral("clearedRadio"));
    m_unclearedRadio = new QRadioButton(tr("Uncleared"), this);
    m_unclearedRadio->setObjectName(QStringLiteral("unclearedRadio"));
    statusRow->addWidget(m_allRadio);
    statusRow->addWidget(m_clearedRadio);
    statusRow->addWidget(m_unclearedRadio);
    statusRow->addStretch();
    form->addRow(tr("Status:"), statusRow);

    m_rangeCheck = new QCheckBox(tr("Limit to a date range"), this);
    m_rangeCheck->setObjectName(QStringLiteral("rangeCheck"));
    form->addRow(QString(), m_rangeCheck);

    auto *datesRow = new QHBoxLayout;
    m_fromField = new DateField(this);
    m_fromField->setObjectName(QStringLiteral("fromField"));
    m_toField = new DateField(this);
    m_toField->setObjectName(QStringLiteral("toField"));
    datesRow->addWidget(m_fromField, 1);
    datesRow->addWidget(new QLabel(tr("to"), this));
    datesRow->addWidget(m_toField, 1);
    form->addRow(tr("Dates:"), datesRow);
    m_fromField->setEnabled(false);
    m_toField->setEnabled(false);
    connect(m_rangeCheck, &QCheckBox::toggled, this, [this](bool checked) {
        m_fromField->setEnabled(checked);
        m_toField->setEnabled(checked);
    });

    m_categoryCombo = new QComboBox(this);
    m_categoryCombo->setObjectName(QStringLiteral("categoryCombo"));
    form->addRow(tr("Category:"), m_categoryCombo);

    layout->addLayout(form);
    layout->addSpacing(12);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Done"));
    QPushButton *clearAll = buttons->addButton(tr("Clear All"), QDialogButtonBox::ResetRole);
    clearAll->setObjectName(QStringLiteral("clearAllButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(clearAll, &QPushButton::clicked, this, [this] { setFilter(RegisterFilter()); });
    layout->addWidget(buttons);
    setMinimumWidth(480);
}

void RegisterFilterDialog::loadCategories()
{
    m_categoryCombo->clear();
    m_categoryCombo->addItem(tr("All Categories"), QString());
    for (const CategoryItem &item : categoryItems(m_app->categoryRepository()))
        m_categoryCombo->addItem(item.label, item.id);
}

void RegisterFilterDialog::setFilter(const RegisterFilter &filter)
{
    if (!filter.cleared.has_value())
        m_allRadio->setChecked(true);
    else if (*filter.cleared)
        m_clearedRadio->setChecked(true);
    else
        m_unclearedRadio->setChecked(true);

    const bool hasRange = filter.dateFrom.isValid() || filter.dateTo.isValid();
    m_rangeCheck->setChecked(hasRange);
    m_fromField->setEnabled(hasRange);
    m_toField->setEnabled(hasRange);
    const QDate today = QDate::currentDate();
    m_fromField->setDate(filter.dateFrom.isValid() ? filter.dateFrom : today.addMonths(-1));
    m_toField->setDate(filter.dateTo.isValid() ? filter.dateTo : today);

    const int category = filter.categoryId.isEmpty() ? -1 : m_categoryCombo->findData(filter.categoryId);
    m_categoryCombo->setCurrentIndex(qMax(0, category));
}

RegisterFilter RegisterFilterDialog::filter() const
{
    RegisterFilter result;
    if (m_clearedRadio->isChecked())
        result.cleared = true;
    else if (m_unclearedRadio->isChecked())
        result.cleared = false;
    if (m_rangeCheck->isChecked()) {
        result.dateFrom = m_fromField->parsedDate();
        result.dateTo = m_toField->parsedDate();
    }
    result.categoryId = m_categoryCombo->currentData().toString();
    return result;
}
