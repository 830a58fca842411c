#include "support/testmain.h"

#include "ui/categoryformdialog.h"
#include "uitestsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

Category storedCategory(CategoryType type)
{
    Category category;
    category.id = QStringLiteral("cat-9");
    category.name = QStringLiteral("Rent");
    category.type = type;
    category.parentId = QStringLiteral("cat-1");
    category.isTaxRelevant = true;
    category.taxCategory = QStringLiteral("rental_expense");
    category.icon = QStringLiteral("home");
    category.color = QStringLiteral("#123456");
    category.isDefault = true;
    category.version = 4;
    category.createdAt = QDateTime(QDate(2025, 5, 6), QTime(7, 8), Qt::UTC);
    return category;
}

} // namespace

class CategoryFormDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newFormModes_data()
    {
        QTest::addColumn<QString>("parentId");
        QTest::addColumn<QString>("parentName");
        QTest::addColumn<QString>("title");
        QTest::newRow("top level") << "" << "" << "New Category";
        QTest::newRow("subcategory") << "cat-1" << "Housing" << "New Subcategory";
    }

    void newFormModes()
    {
        QFETCH(QString, parentId);
        QFETCH(QString, parentName);
        QFETCH(QString, title);
        CategoryFormDialog dialog(parentId, parentName);
        QCOMPARE(dialog.windowTitle(), title);
        auto *parentLabel = field<QLabel>(dialog, "parentLabel");
        QCOMPARE(parentLabel != nullptr, !parentName.isEmpty());
        if (parentLabel) {
            QCOMPARE(parentLabel->text(), parentName);
            QCOMPARE(parentLabel->textInteractionFlags(), Qt::TextSelectableByMouse);
        }
        QVERIFY(!field<QLineEdit>(dialog, "taxCodeEdit")->isEnabled());
        QVERIFY(!field<QLabel>(dialog, "taxCodeLabel")->isEnabled());

        field<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral(" Utilities "));
        const Category category = dialog.category();
        QCOMPARE(category.parentId, parentId);
        QCOMPARE(category.name, QStringLiteral("Utilities"));
        QCOMPARE(category.type, CategoryType::Expense);
        QVERIFY(!QUuid::fromString(category.id).isNull());
        QVERIFY(!category.id.startsWith(QLatin1Char('{')));
        QVERIFY(category.createdAt.isValid());
        QCOMPARE(category.version, 1);
        QCOMPARE(category.syncStatus, SyncStatus::Pending);
    }

    void uncheckingTaxClearsTheCode()
    {
        CategoryFormDialog dialog{QString(), QString()};
        auto *check = field<QCheckBox>(dialog, "taxRelevantCheck");
        auto *code = field<QLineEdit>(dialog, "taxCodeEdit");
        check->setChecked(true);
        QVERIFY(code->isEnabled());
        code->setText(QStringLiteral("  charitable_contributions "));
        QCOMPARE(dialog.category().taxCategory, QStringLiteral("charitable_contributions"));
        QVERIFY(dialog.category().isTaxRelevant);

        check->setChecked(false);
        QVERIFY(code->text().isEmpty());
        QVERIFY(!code->isEnabled());
        QVERIFY(!dialog.category().isTaxRelevant);
        QVERIFY(dialog.category().taxCategory.isEmpty());
    }

    void editingKeepsIdentityAndUnshownFields()
    {
        const Category stored = storedCategory(CategoryType::Income);
        CategoryFormDialog dialog(stored, QStringLiteral("Housing"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Category"));
        QCOMPARE(field<QComboBox>(dialog, "typeCombo")->currentData().toString(), QStringLiteral("income"));
        QVERIFY(field<QLineEdit>(dialog, "taxCodeEdit")->isEnabled());

        const Category edited = dialog.category();
        QCOMPARE(edited.id, stored.id);
        QCOMPARE(edited.createdAt, stored.createdAt);
        QCOMPARE(edited.parentId, stored.parentId);
        QCOMPARE(edited.type, CategoryType::Income);
        QCOMPARE(edited.taxCategory, stored.taxCategory);
        QCOMPARE(edited.icon, stored.icon);
        QCOMPARE(edited.color, stored.color);
        QCOMPARE(edited.isDefault, stored.isDefault);
        QCOMPARE(edited.version, stored.version);
        QVERIFY(edited.updatedAt.isValid());
    }

    void transferCategoryStaysTransferUntilUserPicksAType()
    {
        CategoryFormDialog dialog(storedCategory(CategoryType::Transfer), QString());
        QCOMPARE(dialog.category().type, CategoryType::Transfer);

        auto *combo = field<QComboBox>(dialog, "typeCombo");
        combo->setCurrentIndex(1); // programmatic, not a user choice
        QCOMPARE(dialog.category().type, CategoryType::Transfer);

        dialog.show();
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Up);
        QCOMPARE(combo->currentData().toString(), QStringLiteral("expense"));
        QCOMPARE(dialog.category().type, CategoryType::Expense);
    }

    void emptyNameIsAccepted()
    {
        CategoryFormDialog dialog{QString(), QString()};
        dialog.show();
        dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.category().name, QString());
    }
};

TALLYRA_TEST(CategoryFormDialogTest)
#include "test_categoryformdialog.moc"
