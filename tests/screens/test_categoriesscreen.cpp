#include "register/registerfixture.h"
#include "support/testmain.h"

#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "screens/categoriesscreen.h"
#include "screens/categorytreemodel.h"
#include "ui/palettehelpers.h"
#include "ui/thememanager.h"

#include "../ui/uitestsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSortFilterProxyModel>
#include <QTextDocumentFragment>
#include <QTreeView>

namespace {

// "id" or "id>parentId".
QList<Category> categoriesFrom(const QStringList &specs)
{
    QList<Category> categories;
    for (const QString &spec : specs) {
        Category category;
        const QStringList parts = spec.split(u'>');
        category.id = parts.at(0);
        category.name = parts.at(0);
        if (parts.size() > 1)
            category.parentId = parts.at(1);
        categories.append(category);
    }
    return categories;
}

// Every node as its path of ids, in model order.
void outline(const QAbstractItemModel &model, const QModelIndex &parent, const QString &prefix, QStringList &out)
{
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        const QString path = prefix + index.data().toString();
        out.append(path);
        outline(model, index, path + u'/', out);
    }
}

QStringList outline(const QAbstractItemModel &model)
{
    QStringList out;
    outline(model, QModelIndex(), QString(), out);
    return out;
}

QStringList actionTexts(const QMenu &menu)
{
    QStringList texts;
    for (const QAction *action : menu.actions())
        texts.append(action->isSeparator() ? QStringLiteral("--") : action->text());
    return texts;
}

QString shownText(const FakePrompts::Message &message)
{
    return QTextDocumentFragment::fromHtml(message.text).toPlainText();
}

// A small tree: Auto (Fuel, Maintenance), Food (Dining, Groceries), Home
// (Maintenance), and Salary on its own; the screen shown at a fixed size so
// rows have positions.
struct CategoriesFixture : AppFixture
{
    FakePrompts prompts;
    Category autos = addCategory(QStringLiteral("Auto"));
    Category fuel = addCategory(QStringLiteral("Fuel"), autos.id);
    Category autoMaintenance = addCategory(QStringLiteral("Maintenance"), autos.id);
    Category food = addCategory(QStringLiteral("Food"));
    Category dining = addCategory(QStringLiteral("Dining"), food.id);
    Category groceries = addCategory(QStringLiteral("Groceries"), food.id);
    Category home = addCategory(QStringLiteral("Home"));
    Category homeMaintenance = addCategory(QStringLiteral("Maintenance"), home.id);
    Category salary = addCategory(QStringLiteral("Salary"));
    std::unique_ptr<CategoriesScreen> screen;

    CategoriesFixture()
    {
        screen = std::make_unique<CategoriesScreen>(app());
        screen->resize(600, 800);
        screen->show();
        screen->reload();
    }

    QModelIndex shown(const QString &id) const
    {
        return screen->proxy()->mapFromSource(screen->model()->indexForId(id));
    }

    void makeCurrent(const QString &id)
    {
        const QModelIndex index = shown(id);
        if (!index.isValid())
            qWarning() << "not shown:" << id;
        screen->view()->setCurrentIndex(index);
    }

    void expand(const QString &id) { screen->view()->expand(shown(id)); }

    QPoint positionOf(const QString &id) const { return screen->view()->visualRect(shown(id)).center(); }

    Category stored(const QString &id) const { return *app()->categoryRepository()->findById(id); }

    QStringList expandedNames() const
    {
        QStringList names;
        for (const QString &id : screen->saveExpandedState())
            names.append(stored(id).name);
        names.sort();
        return names;
    }
};

// A dialog step that looks at the form or fills more of it, types a name and accepts.
FakePrompts::DialogStep acceptCategory(const QString &name, const std::function<void(QDialog *)> &more = {})
{
    return [name, more](QDialog *dialog) {
        if (more)
            more(dialog);
        findNamed<QLineEdit>(dialog, "nameEdit")->setText(name);
        return int(QDialog::Accepted);
    };
}

} // namespace

class TestCategoriesScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void treeBuilding_data()
    {
        QTest::addColumn<QStringList>("categories");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("flat, in id order") << QStringList{"b", "a"} << QStringList{"a", "b"};
        QTest::newRow("two levels, children after their parent in the list")
            << QStringList{"a", "a1>a", "b", "b1>b", "a2>a"} << QStringList{"a", "a/a1", "a/a2", "b", "b/b1"};
        QTest::newRow("child listed before its parent") << QStringList{"z1>z", "z"} << QStringList{"z", "z/z1"};
        QTest::newRow("a parent not in the list puts the child on top")
            << QStringList{"a", "orphan>deleted"} << QStringList{"a", "orphan"};
        QTest::newRow("any depth") << QStringList{"c>b", "b>a", "a"} << QStringList{"a", "a/b", "a/b/c"};
        QTest::newRow("own parent") << QStringList{"a>a"} << QStringList{"a"};
        QTest::newRow("a loop of two keeps both")
            << QStringList{"a>b", "b>a"} << QStringList{"b", "b/a"};
        QTest::newRow("a loop of three under a good parent")
            << QStringList{"x>z", "y>x", "z>y", "root", "w>root"} << QStringList{"root", "root/w", "z", "z/x", "z/x/y"};
        QTest::newRow("two loops, one with a branch into it")
            << QStringList{"e>a", "d>c", "c>d", "b>a", "a>b"} << QStringList{"b", "b/a", "b/a/e", "d", "d/c"};
        QTest::newRow("empty") << QStringList{} << QStringList{};
    }

    void treeBuilding()
    {
        QFETCH(QStringList, categories);
        QFETCH(QStringList, expected);
        CategoryTreeModel model;
        model.setCategories(categoriesFrom(categories));
        QCOMPARE(outline(model), expected);
        // Every node is found by its id and points back at its parent.
        for (const Category &category : categoriesFrom(categories)) {
            const QModelIndex index = model.indexForId(category.id);
            QVERIFY2(index.isValid(), qPrintable(category.id));
            QCOMPARE(model.categoryAt(index).id, category.id);
            const QModelIndex parent = model.parent(index);
            QCOMPARE(model.index(index.row(), 0, parent), index);
        }
    }

    // A restored chain 100,000 categories deep, each parent listed after its
    // child and closed into a loop at the top: built in one pass over the
    // categories, torn down without recursing as deep as the tree.
    void deepChainBuildsAndTearsDown()
    {
        constexpr int depth = 100000;
        const auto id = [](int level) { return QStringLiteral("c%1").arg(level, 6, 10, QLatin1Char('0')); };
        QList<Category> categories;
        for (int level = depth - 1; level >= 0; --level) {
            Category category;
            category.id = id(level);
            category.name = category.id;
            category.parentId = id(level == 0 ? depth - 1 : level - 1);
            categories.append(category);
        }
        {
            CategoryTreeModel model;
            QElapsedTimer timer;
            timer.start();
            model.setCategories(categories);
            // The quadratic walk took 43 s for this; linear takes a fraction of one.
            QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
            QCOMPARE(model.rowCount(), 1);
            // The loop opens at its highest id, which stands on top.
            QCOMPARE(model.categoryAt(model.index(0, 0)).id, id(depth - 1));
            int levels = 0;
            for (QModelIndex at = model.indexForId(id(depth - 2)); at.isValid(); at = model.parent(at))
                ++levels;
            QCOMPARE(levels, depth);
            model.setCategories({});
            QCOMPARE(model.rowCount(), 0);
            model.setCategories(categories);
        }
    }

    void columnsAndRoles_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("taxRelevant");
        QTest::addColumn<QString>("typeText");
        QTest::addColumn<QString>("taxText");
        QTest::addColumn<bool>("green");

        QTest::newRow("income") << 0 << true << "income" << "wages" << true;
        QTest::newRow("expense") << 1 << false << "expense" << "" << false;
        QTest::newRow("transfer") << 2 << true << "transfer" << "wages" << false;
        QTest::newRow("unknown type reads as expense") << 7 << false << "expense" << "" << false;
    }

    void columnsAndRoles()
    {
        QFETCH(int, type);
        QFETCH(bool, taxRelevant);
        QFETCH(QString, typeText);
        QFETCH(QString, taxText);
        QFETCH(bool, green);

        QList<Category> categories = categoriesFrom({"parent", "child>parent", "single"});
        for (Category &category : categories) {
            category.type = CategoryType(type);
            category.isTaxRelevant = taxRelevant;
            category.taxCategory = QStringLiteral("wages");
        }
        CategoryTreeModel model;
        model.setCategories(categories);
        const QModelIndex parent = model.indexForId(QStringLiteral("parent"));
        const QModelIndex child = model.indexForId(QStringLiteral("child"));
        const QModelIndex single = model.indexForId(QStringLiteral("single"));

        QCOMPARE(model.index(child.row(), 1, parent).data().toString(), typeText);
        QCOMPARE(model.index(child.row(), 2, parent).data().toString(), taxText);
        const QVariant colour = model.index(child.row(), 1, parent).data(Qt::ForegroundRole);
        QCOMPARE(colour.isValid(), green);
        if (green)
            QCOMPARE(colour.value<QColor>(), QColor(0, 136, 0));
        QCOMPARE(model.index(child.row(), 2, parent).data(Qt::ForegroundRole), QVariant());

        // Bold only for a category with children.
        QCOMPARE(parent.data(Qt::FontRole).value<QFont>().weight(), QFont::Bold);
        QVERIFY(!single.data(Qt::FontRole).isValid());
        QVERIFY(!child.data(Qt::FontRole).isValid());
        QVERIFY(!parent.data(Qt::EditRole).isValid());
        QCOMPARE(model.flags(parent) & Qt::ItemIsEditable, Qt::ItemFlags());

        QCOMPARE(model.columnCount(), 3);
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Category"));
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Type"));
        QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Tax Code"));
        QVERIFY(!model.headerData(0, Qt::Vertical).isValid());
        QVERIFY(!model.headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());

        QCOMPARE(model.categoryAt(QModelIndex()).id, QString());
        QVERIFY(!model.indexForId(QString()).isValid());
        QVERIFY(!model.indexForId(QStringLiteral("Parent")).isValid());
        QVERIFY(!model.index(5, 0).isValid());
    }

    void incomeReadsOnTheThemeInForce_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }

    // The income colour is taken when the row is painted, so after a switch
    // it is the new theme's and reads on both row shades.
    void incomeReadsOnTheThemeInForce()
    {
        QFETCH(bool, dark);
        UiStateGuard ui;
        CategoryTreeModel model;
        QList<Category> categories = categoriesFrom({"salary"});
        categories.first().type = CategoryType::Income;
        model.setCategories(categories);
        const QModelIndex type = model.index(model.indexForId(QStringLiteral("salary")).row(), 1);

        QApplication::setPalette(dark ? ThemeManager::lightPalette() : ThemeManager::darkPalette());
        const QColor before = type.data(Qt::ForegroundRole).value<QColor>();
        const QPalette palette = dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette();
        QApplication::setPalette(palette);
        const QColor income = type.data(Qt::ForegroundRole).value<QColor>();
        QVERIFY(income != before);
        QCOMPARE(income, dark ? QColor(QStringLiteral("#66BB6A")) : QColor(0, 136, 0));
        for (QPalette::ColorRole row : {QPalette::Base, QPalette::AlternateBase}) {
            const QColor background = palette.color(row);
            QVERIFY2(contrastRatio(income, background) >= 4.0,
                     qPrintable(income.name() + QLatin1String(" on ") + background.name()));
        }
    }

    // A search shows the matches in any letter case with their ancestors,
    // all expanded; clearing it shows everything collapsed. The proxy sorts
    // by name without regard to case.
    void searchKeepsParents()
    {
        CategoriesFixture f;
        QCOMPARE(outline(*f.screen->proxy()),
            (QStringList{"Auto", "Auto/Fuel", "Auto/Maintenance", "Food", "Food/Dining", "Food/Groceries", "Home",
                "Home/Maintenance", "Salary"}));

        f.screen->searchField()->setText(QStringLiteral("mAiNt"));
        QCOMPARE(outline(*f.screen->proxy()), (QStringList{"Auto", "Auto/Maintenance", "Home", "Home/Maintenance"}));
        QCOMPARE(f.expandedNames(), (QStringList{"Auto", "Home"}));

        f.screen->searchField()->setText(QStringLiteral("food"));
        QCOMPARE(outline(*f.screen->proxy()), (QStringList{"Food"}));

        f.screen->searchField()->clear();
        QCOMPARE(outline(*f.screen->proxy()).size(), 9);
        QCOMPARE(f.expandedNames(), QStringList{});

        f.addCategory(QStringLiteral("bank fees"));
        f.screen->reload();
        QCOMPARE(f.screen->proxy()->index(1, 0).data().toString(), QStringLiteral("bank fees"));
    }

    void contextMenu()
    {
        CategoriesFixture f;
        f.expand(f.food.id);
        f.app()->categoryRepository()->softDelete(f.home.id);
        f.screen->reload();

        const QStringList full{"&New Category", "Add &Subcategory", "--", "&Edit", "&Delete"};
        const QStringList child{"&New Category", "--", "&Edit", "&Delete"};
        QCOMPARE(actionTexts(*f.screen->contextMenuAt(f.positionOf(f.food.id))), full);
        QCOMPARE(actionTexts(*f.screen->contextMenuAt(f.positionOf(f.groceries.id))), child);
        // Its parent is deleted: it stands on top but is still a subcategory.
        QVERIFY(!f.screen->model()->parent(f.screen->model()->indexForId(f.homeMaintenance.id)).isValid());
        QCOMPARE(actionTexts(*f.screen->contextMenuAt(f.positionOf(f.homeMaintenance.id))), child);
        const QPoint below(5, f.screen->view()->viewport()->height() - 2);
        QVERIFY(!f.screen->view()->indexAt(below).isValid());
        QCOMPARE(actionTexts(*f.screen->contextMenuAt(below)), QStringList{"&New Category"});

        f.execSql(QStringLiteral("DELETE FROM categories"));
        f.screen->reload();
        QCOMPARE(f.screen->proxy()->rowCount(), 0);
        QCOMPARE(actionTexts(*f.screen->contextMenuAt(QPoint(5, 5))), QStringList{"&New Category"});
    }

    void createCategoryAndSubcategory()
    {
        CategoriesFixture f;
        f.prompts.steps.append(acceptCategory(QStringLiteral("Gifts"), [](QDialog *dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("New Category"));
            QVERIFY(!findNamed<QLabel>(dialog, "parentLabel"));
        }));
        f.screen->onCreateCategory();
        const std::optional<Category> gifts = f.app()->categoryRepository()->findByName(QStringLiteral("Gifts"));
        QVERIFY(gifts);
        QVERIFY(gifts->parentId.isEmpty());
        QCOMPARE(f.shown(gifts->id).data().toString(), QStringLiteral("Gifts"));

        // A subcategory goes under the current row, whose row is then open.
        f.makeCurrent(f.home.id);
        f.prompts.steps.append(acceptCategory(QStringLiteral("Garden"), [](QDialog *dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("New Subcategory"));
            QCOMPARE(findNamed<QLabel>(dialog, "parentLabel")->text(), QStringLiteral("Home"));
        }));
        f.screen->onCreateSubcategory();
        QCOMPARE(f.expandedNames(), QStringList{"Home"});
        const QModelIndex home = f.shown(f.home.id);
        QCOMPARE(f.screen->proxy()->rowCount(home), 2);
        const Category garden =
            f.screen->model()->categoryAt(f.screen->proxy()->mapToSource(f.screen->proxy()->index(0, 0, home)));
        QCOMPARE(garden.name, QStringLiteral("Garden"));
        QCOMPARE(garden.parentId, f.home.id);

        // No subcategory under a subcategory, and an empty name writes nothing.
        const int before = f.countRows(QStringLiteral("SELECT COUNT(*) FROM categories"));
        f.makeCurrent(garden.id);
        f.screen->onCreateSubcategory();
        f.prompts.steps.append(acceptCategory(QStringLiteral("   ")));
        f.screen->onCreateCategory();
        QCOMPARE(f.prompts.dialogRuns, 3);
        QCOMPARE(f.countRows(QStringLiteral("SELECT COUNT(*) FROM categories")), before);
        QVERIFY(f.prompts.messages.isEmpty());
    }

    // Editing writes the form's result as a newer pending version of the
    // edited row only (a namesake under another parent stays as it is) and
    // keeps the open rows open.
    void editKeepsExpandedRows()
    {
        CategoriesFixture f;
        f.expand(f.autos.id);
        f.expand(f.home.id);
        f.makeCurrent(f.homeMaintenance.id);
        f.prompts.steps.append(acceptCategory(QStringLiteral("Repairs"), [](QDialog *dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Edit Category"));
            QCOMPARE(findNamed<QLabel>(dialog, "parentLabel")->text(), QStringLiteral("Home"));
            QCOMPARE(findNamed<QLineEdit>(dialog, "nameEdit")->text(), QStringLiteral("Maintenance"));
            findNamed<QCheckBox>(dialog, "taxRelevantCheck")->setChecked(true);
            findNamed<QLineEdit>(dialog, "taxCodeEdit")->setText(QStringLiteral("home_office"));
        }));
        f.screen->onEditCategory();

        const Category edited = f.stored(f.homeMaintenance.id);
        QCOMPARE(edited.name, QStringLiteral("Repairs"));
        QCOMPARE(edited.parentId, f.home.id);
        QCOMPARE(edited.version, f.homeMaintenance.version + 1);
        QCOMPARE(edited.syncStatus, SyncStatus::Pending);
        QCOMPARE(f.shown(f.homeMaintenance.id).siblingAtColumn(2).data().toString(), QStringLiteral("home_office"));
        const Category namesake = f.stored(f.autoMaintenance.id);
        QCOMPARE(namesake.name, QStringLiteral("Maintenance"));
        QCOMPARE(namesake.version, f.autoMaintenance.version);
        QCOMPARE(f.expandedNames(), (QStringList{"Auto", "Home"}));
        QVERIFY(f.prompts.messages.isEmpty());
    }

    void deleteRules()
    {
        CategoriesFixture f;
        const Transaction bought = f.addTransaction(f.addAccount(QStringLiteral("Cash")).id, QDate(2024, 5, 1),
            QStringLiteral("Market"), -1200);
        Transaction categorised = bought;
        categorised.categoryId = f.food.id;
        f.app()->transactionRepository()->update(categorised);

        // No keeps everything.
        f.makeCurrent(f.food.id);
        f.prompts.answerYes = false;
        f.screen->onDeleteCategory();
        QCOMPARE(f.prompts.messages.size(), 1);
        QCOMPARE(f.prompts.messages.at(0).title, QStringLiteral("Delete Category"));
        QCOMPARE(shownText(f.prompts.messages.at(0)),
            QStringLiteral("Delete \"Food\"? Transactions using this category will become uncategorized."));
        QVERIFY(!f.stored(f.food.id).deletedAt);

        // Yes deletes that category alone: its children move to the top, its
        // transactions keep their category id.
        f.makeCurrent(f.food.id);
        f.prompts.answerYes = true;
        f.screen->onDeleteCategory();
        QVERIFY(f.stored(f.food.id).deletedAt);
        QVERIFY(!f.stored(f.dining.id).deletedAt);
        QCOMPARE(outline(*f.screen->proxy()),
            (QStringList{"Auto", "Auto/Fuel", "Auto/Maintenance", "Dining", "Groceries", "Home", "Home/Maintenance",
                "Salary"}));
        QCOMPARE(f.app()->transactionRepository()->findById(bought.id)->categoryId, f.food.id);
        QCOMPARE(f.prompts.messages.size(), 2);
    }

    // A failed write is reported; a failed save opens the form again with
    // what was typed.
    void failuresAreReported_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QString>("title");

        QTest::newRow("create") << "create" << "INSERT" << "Save Failed";
        QTest::newRow("subcategory") << "subcategory" << "INSERT" << "Save Failed";
        QTest::newRow("edit") << "edit" << "UPDATE" << "Save Failed";
        QTest::newRow("delete") << "delete" << "UPDATE" << "Delete Failed";
    }

    void failuresAreReported()
    {
        QFETCH(QString, operation);
        QFETCH(QString, failing);
        QFETCH(QString, title);

        CategoriesFixture f;
        QVERIFY(f.execSql(QStringLiteral("CREATE TEMP TRIGGER fail_categories BEFORE %1 ON categories "
                                         "BEGIN SELECT RAISE(ABORT, 'forced failure'); END")
                              .arg(failing)));
        const QString before = outline(*f.screen->model()).join(u',');
        QString typedAgain;
        f.prompts.steps.append(acceptCategory(QStringLiteral("<b>New</b> name")));
        f.prompts.steps.append([&typedAgain](QDialog *dialog) {
            typedAgain = findNamed<QLineEdit>(dialog, "nameEdit")->text();
            return int(QDialog::Rejected);
        });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("CategoryRepository::.* failed")));
        f.makeCurrent(f.food.id);
        if (operation == QLatin1String("create"))
            f.screen->onCreateCategory();
        else if (operation == QLatin1String("subcategory"))
            f.screen->onCreateSubcategory();
        else if (operation == QLatin1String("edit"))
            f.screen->onEditCategory();
        else
            f.screen->onDeleteCategory();

        const FakePrompts::Message failure = f.prompts.messages.last();
        QCOMPARE(failure.kind, QStringLiteral("warning"));
        QCOMPARE(failure.title, title);
        if (operation == QLatin1String("delete")) {
            QCOMPARE(shownText(failure), QStringLiteral("\"Food\" could not be deleted: forced failure."));
        } else {
            QVERIFY2(shownText(failure).startsWith(QStringLiteral("The category could not be saved: forced failure. "
                                                                  "Nothing was changed.")),
                qPrintable(shownText(failure)));
            QCOMPARE(typedAgain, QStringLiteral("<b>New</b> name"));
            QCOMPARE(f.prompts.dialogRuns, 2);
        }
        QCOMPARE(outline(*f.screen->model()).join(u','), before);
        QCOMPARE(f.stored(f.food.id).version, f.food.version);
    }

    // What a pull or another window wrote while the form or question was
    // open (straight to the table: no window hears of it). A write over the
    // shown row needs it unchanged and live; a new subcategory needs its
    // parent live. A server id stored by a push is no change, and the write
    // keeps it. Otherwise nothing is written, the user is told, and the tree
    // shows what is stored.
    void changedWhilePrompting_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("elsewhere");
        QTest::addColumn<bool>("written");
        for (const char *operation : {"subcategory", "edit", "delete"}) {
            const bool underParent = qstrcmp(operation, "subcategory") == 0;
            QTest::addRow("%s, nothing", operation) << operation << "nothing" << true;
            QTest::addRow("%s, renamed", operation) << operation << "renamed" << underParent;
            QTest::addRow("%s, deleted", operation) << operation << "deleted" << false;
            QTest::addRow("%s, pushed", operation) << operation << "pushed" << true;
        }
    }

    void changedWhilePrompting()
    {
        QFETCH(QString, operation);
        QFETCH(QString, elsewhere);
        QFETCH(bool, written);
        CategoriesFixture f;
        f.makeCurrent(f.salary.id);
        QString storedWhenOk;
        f.prompts.whilePrompting = [&] {
            const QString change = elsewhere == QLatin1String("renamed")
                ? QStringLiteral("name = 'Wages', version = version + 1")
                : elsewhere == QLatin1String("deleted")
                ? QStringLiteral("deleted_at = '2024-05-01T00:00:00Z', version = version + 1")
                : QStringLiteral("server_id = 'server-7', sync_status = 'synced'");
            if (elsewhere != QLatin1String("nothing")
                && !f.execSql(QStringLiteral("UPDATE categories SET %1 WHERE id = '%2'").arg(change, f.salary.id)))
                qWarning() << "the change elsewhere failed";
            storedWhenOk = f.tableDump(QStringLiteral("categories"));
        };
        f.prompts.steps.append(acceptCategory(QStringLiteral("Pay")));
        if (operation == QLatin1String("subcategory"))
            f.screen->onCreateSubcategory();
        else if (operation == QLatin1String("edit"))
            f.screen->onEditCategory();
        else
            f.screen->onDeleteCategory();

        const Category stored = f.stored(f.salary.id);
        if (!written) {
            QVERIFY(!f.prompts.messages.isEmpty());
            QCOMPARE(f.prompts.messages.last().title, QStringLiteral("Category Changed"));
            QCOMPARE(f.tableDump(QStringLiteral("categories")), storedWhenOk);
            QCOMPARE(outline(*f.screen->proxy()).contains(stored.name), !stored.deletedAt);
            QVERIFY(!outline(*f.screen->proxy()).join(u',').contains(QStringLiteral("Pay")));
            return;
        }
        QVERIFY(f.prompts.messages.isEmpty() || operation == QLatin1String("delete"));
        if (elsewhere == QLatin1String("pushed"))
            QCOMPARE(stored.serverId, QStringLiteral("server-7"));
        if (operation == QLatin1String("subcategory")) {
            const std::optional<Category> child = f.app()->categoryRepository()->findByName(QStringLiteral("Pay"));
            QVERIFY(child);
            QCOMPARE(child->parentId, f.salary.id);
        } else {
            QCOMPARE(stored.version, f.salary.version + 1);
            QCOMPARE(stored.syncStatus, SyncStatus::Pending);
            QCOMPARE(stored.name, operation == QLatin1String("edit") ? QStringLiteral("Pay") : f.salary.name);
            QCOMPARE(bool(stored.deletedAt), operation == QLatin1String("delete"));
        }
    }

    // Names are data: the question shows them as typed.
    void namesArePlainText()
    {
        CategoriesFixture f;
        const Category marked = f.addCategory(QStringLiteral("<i>Fun</i> & Games"));
        f.screen->reload();
        QVERIFY(outline(*f.screen->proxy()).contains(QStringLiteral("<i>Fun</i> & Games")));
        f.makeCurrent(marked.id);
        f.prompts.answerYes = false;
        f.screen->onDeleteCategory();
        QVERIFY(f.prompts.messages.at(0).text.contains(QStringLiteral("&lt;i&gt;Fun&lt;/i&gt; &amp; Games")));
        QCOMPARE(shownText(f.prompts.messages.at(0)),
            QStringLiteral("Delete \"<i>Fun</i> & Games\"? Transactions using this category will become "
                           "uncategorized."));

        f.makeCurrent(marked.id);
        f.prompts.steps.append(acceptCategory(QStringLiteral("Sub"), [](QDialog *dialog) {
            QCOMPARE(findNamed<QLabel>(dialog, "parentLabel")->textFormat(), Qt::PlainText);
        }));
        f.screen->onCreateSubcategory();
        QCOMPARE(f.prompts.dialogRuns, 1);
    }
};

TALLYRA_TEST(TestCategoriesScreen)
#include "test_categoriesscreen.moc"
