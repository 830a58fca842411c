#include "servicesfixture.h"
#include "support/testmain.h"

#include "services/categoryservice.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTranslator>

namespace {

// Stands in for a translation file: every default name comes out changed.
class PrefixTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "CategoryService") != 0)
            return QString();
        return QStringLiteral("DE ") + QString::fromUtf8(sourceText);
    }
    bool isEmpty() const override { return false; }
};

QMap<QString, QString> namesById(const DatabaseFixture &fixture)
{
    QMap<QString, QString> names;
    QSqlQuery query(*fixture.database->db());
    query.exec(QStringLiteral("SELECT id, name FROM categories"));
    while (query.next())
        names.insert(query.value(0).toString(), query.value(1).toString());
    return names;
}

} // namespace

class CategoryServiceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void seedsTheDefaultTreeOnce()
    {
        ServicesFixture f;
        CategoryService service(f.database.get(), &f.categories);
        service.ensureDefaultCategories();

        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM categories WHERE deleted_at IS NULL")), 56);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM categories WHERE is_tax_relevant = 1")), 12);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM categories WHERE tax_category IS NOT NULL "
                                        "AND tax_category != ''")),
                 12);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM categories WHERE parent_id IS NOT NULL")), 27);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM categories WHERE is_default = 1 AND version = 1 "
                                        "AND sync_status = 'pending' AND created_at = updated_at")),
                 56);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM categories WHERE category_type = 'income'")), 8);

        // Name-based ids: the values any installation derives.
        QCOMPARE(f.scalar(QStringLiteral("SELECT name FROM categories WHERE id = "
                                         "'f80ec558-0a5d-59fd-bb97-1216bc91c991'"))
                     .toString(),
                 QStringLiteral("Groceries"));
        QCOMPARE(f.scalar(QStringLiteral("SELECT p.name FROM categories c JOIN categories p ON c.parent_id = p.id "
                                         "WHERE c.id = '7ac27a40-d9d3-5c60-af4b-fc3c84e61133'"))
                     .toString(),
                 QStringLiteral("Business Expenses"));

        // The two Maintenance categories are distinct children of their parents.
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(DISTINCT c.parent_id) FROM categories c "
                                        "WHERE c.name = 'Maintenance'")),
                 2);
        QCOMPARE(f.scalar(QStringLiteral("SELECT p.name FROM categories c JOIN categories p ON c.parent_id = p.id "
                                         "WHERE c.id = 'daf59c16-ae84-5a09-be11-bd9dcd047413'"))
                     .toString(),
                 QStringLiteral("Housing"));

        service.ensureDefaultCategories();
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM categories")), 56);
    }

    void idsDoNotDependOnTheInterfaceLanguage()
    {
        ServicesFixture english;
        CategoryService(english.database.get(), &english.categories).ensureDefaultCategories();

        ServicesFixture german;
        PrefixTranslator translator;
        QCoreApplication::installTranslator(&translator);
        CategoryService(german.database.get(), &german.categories).ensureDefaultCategories();
        QCoreApplication::removeTranslator(&translator);

        const QMap<QString, QString> englishNames = namesById(english);
        const QMap<QString, QString> germanNames = namesById(german);
        QCOMPARE(germanNames.keys(), englishNames.keys());
        const QString groceries = QStringLiteral("f80ec558-0a5d-59fd-bb97-1216bc91c991");
        QCOMPARE(englishNames.value(groceries), QStringLiteral("Groceries"));
        QCOMPARE(germanNames.value(groceries), QStringLiteral("DE Groceries"));
    }

    void leavesAnExistingRegisterAlone()
    {
        ServicesFixture f;
        Category own;
        own.id = QStringLiteral("own");
        own.name = QStringLiteral("Mine");
        own.createdAt = ServicesFixture::stamp();
        own.updatedAt = own.createdAt;
        QVERIFY(f.categories.insert(own));
        CategoryService service(f.database.get(), &f.categories);
        QVERIFY(service.ensureDefaultCategories());
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM categories")), 1);
        // Marked: deleting the own category later brings no tree either.
        QVERIFY(f.exec(QStringLiteral("UPDATE categories SET deleted_at = '2024-05-01T00:00:00.000Z'")));
        QVERIFY(service.ensureDefaultCategories());
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM categories")), 1);
    }

    // With little room left the tree is written whole or not at all, and
    // says why; once there is room, the next try writes all of it.
    void treeIsWrittenWholeOrNotAtAll_data()
    {
        QTest::addColumn<int>("pagesLeft");
        for (const int pages : {0, 1, 2, 3, 6})
            QTest::addRow("%d pages left", pages) << pages;
    }

    void treeIsWrittenWholeOrNotAtAll()
    {
        QFETCH(int, pagesLeft);
        ServicesFixture f;
        // No free pages inside the file: every page the tree takes is new.
        QVERIFY(f.exec(QStringLiteral("VACUUM")));
        const int pages = f.count(QStringLiteral("PRAGMA page_count"));
        QVERIFY(f.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages + pagesLeft)));
        QSignalSpy changed(&f.categories, &CategoryRepository::categoriesChanged);
        CategoryService service(f.database.get(), &f.categories);
        const QString marked =
            QStringLiteral("SELECT COUNT(*) FROM preferences WHERE key = '%1'").arg(CategoryService::writtenMarkerKey());
        if (!service.ensureDefaultCategories()) {
            QCOMPARE(f.database->lastFailure().reason(), QStringLiteral("the disk is full"));
            QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM categories")), 0);
            QCOMPARE(f.count(marked), 0);
            QCOMPARE(changed.count(), 0);
            QVERIFY(f.exec(QStringLiteral("PRAGMA max_page_count = 1000000")));
            QVERIFY(service.ensureDefaultCategories());
        }
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM categories WHERE deleted_at IS NULL")), 56);
        QCOMPARE(f.count(marked), 1);
        QCOMPARE(changed.count(), 1);
    }

    // A start of an earlier release may have stopped partway through the
    // tree: the rest is written, and what the user deleted stays deleted.
    void treeLeftHalfWrittenIsCompleted()
    {
        ServicesFixture f;
        CategoryService service(f.database.get(), &f.categories);
        QVERIFY(service.ensureDefaultCategories());
        QVERIFY(f.exec(QStringLiteral("DELETE FROM categories WHERE rowid > 14")));
        QVERIFY(f.exec(QStringLiteral("DELETE FROM preferences")));
        QVERIFY(f.exec(QStringLiteral("UPDATE categories SET deleted_at = '2024-05-01T00:00:00.000Z' "
                                      "WHERE name = 'Medical Expenses'")));
        QVERIFY(service.ensureDefaultCategories());
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM categories")), 56);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM categories WHERE deleted_at IS NOT NULL")), 1);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM categories WHERE deleted_at IS NOT NULL "
                                        "AND name = 'Medical Expenses'")),
                 1);
    }

    void reseedingOverSoftDeletedDefaultsDuplicatesNothing()
    {
        ServicesFixture f;
        CategoryService service(f.database.get(), &f.categories);
        service.ensureDefaultCategories();
        QVERIFY(f.exec(QStringLiteral("UPDATE categories SET deleted_at = '2024-01-01T00:00:00Z'")));
        service.ensureDefaultCategories();
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM categories")), 56);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM categories WHERE deleted_at IS NULL")), 0);
    }
};

TALLYRA_TEST(CategoryServiceTest)
#include "test_categoryservice.moc"
