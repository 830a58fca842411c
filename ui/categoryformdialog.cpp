#include "ui/categoryformdialog.h"
#include "data/recordid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CategoryFormDialog::CategoryFormDialog(const QString &parentId, const QString &parentName, QWidget *parent)
    : QDialog(parent)
    , m_parentId(parentId)
{
    setWindowTitle(parentId.isEmpty() ? tr("New Category") : tr("New Subcategory"));
    setupUi(parentName);
}

CategoryFormDialog::CategoryFormDialog(const Category &category, const QString &parentName, QWidget *parent)
    : QDialog(parent)
    , m_category(category)
    , m_parentId(category.parentId)
    , m_editing(true)
{
    setWindowTitle(tr("Edit Category"));
    setupUi(parentName);
    loadCategory();
}

CategoryFormDialog::~CategoryFormDialog() = default;

void CategoryFormDialog::setupUi(const QString &parentName)
{
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;

    if (!parentName.isEmpty()) {
        m_parentLabel = new QLabel(parentName, this);
        m_parentLabel->setObjectName(QStringLiteral("parentLabel"));
        m_parentLabel->setTextFormat(Qt::PlainText);
        m_parentLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(tr("&Parent:"), m_parentLabel);
    }

    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    m_nameEdit->setPlaceholderText(tr("Category name"));
    form->addRow(tr("&Name:"), m_nameEdit);

    m_typeCombo = new QComboBox(this);
    m_typeCombo->setObjectName(QStringLiteral("typeCombo"));
    m_typeCombo->addItem(tr("Expense"), QStringLiteral("expense"));
    m_typeCombo->addItem(tr("Income"), QStringLiteral("income"));
    connect(m_typeCombo, &QComboBox::activated, this, [this] { m_keepTransferType = false; });
    form->addRow(tr("&Type:"), m_typeCombo);

    m_taxRelevantCheck = new QCheckBox(tr("Tax-relevant"), this);
    m_taxRelevantCheck->setObjectName(QStringLiteral("taxRelevantCheck"));
    m_taxRelevantCheck->setToolTip(tr("Mark this category for inclusion in tax-time reports."));
    form->addRow(QString(), m_taxRelevantCheck);

    m_taxCodeLabel = new QLabel(tr("Tax &Code:"), this);
    m_taxCodeLabel->setObjectName(QStringLiteral("taxCodeLabel"));
    m_taxCodeEdit = new QLineEdit(this);
    m_taxCodeEdit->setObjectName(QStringLiteral("taxCodeEdit"));
    m_taxCodeEdit->setPlaceholderText(tr("e.g. charitable_contributions, mortgage_interest"));
    m_taxCodeLabel->setBuddy(m_taxCodeEdit);
    form->addRow(m_taxCodeLabel, m_taxCodeEdit);

    connect(m_taxRelevantCheck, &QCheckBox::toggled, this, &CategoryFormDialog::setTaxCodeEnabled);
    setTaxCodeEnabled(false);

    layout->addLayout(form);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    setMinimumWidth(420);
    m_nameEdit->setFocus();
}

void CategoryFormDialog::setTaxCodeEnabled(bool enabled)
{
    m_taxCodeLabel->setEnabled(enabled);
    m_taxCodeEdit->setEnabled(enabled);
    if (!enabled)
        m_taxCodeEdit->clear();
}

void CategoryFormDialog::loadCategory()
{
    m_nameEdit->setText(m_category.name);
    if (m_category.type == CategoryType::Transfer) {
        m_keepTransferType = true;
    } else {
        const QString typeText = m_category.type == CategoryType::Income ? QStringLiteral("income")
                                                                         : QStringLiteral("expense");
        const int index = m_typeCombo->findData(typeText);
        if (index >= 0)
            m_typeCombo->setCurrentIndex(index);
    }
    m_taxRelevantCheck->setChecked(m_category.isTaxRelevant);
    m_taxCodeEdit->setText(m_category.taxCategory);
    m_taxCodeLabel->setEnabled(m_category.isTaxRelevant);
    m_taxCodeEdit->setEnabled(m_category.isTaxRelevant);
}

Category CategoryFormDialog::category() const
{
    Category result = m_category;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (!m_editing) {
        result.id = newRecordId();
        result.createdAt = now;
    }
    result.name = m_nameEdit->text().trimmed();
    const QString typeText = m_typeCombo->currentData().toString();
    if (m_keepTransferType || typeText == QLatin1String("transfer"))
        result.type = CategoryType::Transfer;
    else if (typeText == QLatin1String("income"))
        result.type = CategoryType::Income;
    else
        result.type = CategoryType::Expense;
    result.parentId = m_parentId;
    result.isTaxRelevant = m_taxRelevantCheck->isChecked();
    result.taxCategory = result.isTaxRelevant ? m_taxCodeEdit->text().trimmed() : QString();
    result.updatedAt = now;
    result.syncStatus = SyncStatus::Pending;
    return result;
}
