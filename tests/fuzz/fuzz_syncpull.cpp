// A sync pull page from the network applied to the database as the sync
// engine does it: records of every kind by the version rule, kept records
// for parents that have not arrived, the page as one unit of work.
#include "fuzz/fuzzsupport.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "sync/syncapplier.h"

#include <QJsonDocument>
#include <QJsonObject>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Database *database = FuzzSupport::database();
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    // A page that is not a JSON object fails the sync before anything is applied.
    const QJsonDocument document = QJsonDocument::fromJson(input);
    if (!document.isObject())
        return 0;

    ScratchChange scratch(database);
    AccountRepository accounts(database);
    TransactionRepository transactions(database);
    CategoryRepository categories(database);
    RecurringRepository recurring(database);
    ReconciliationRepository reconciliations(database);
    SplitLineRepository splitLines(database);
    SyncApplier applier(database, &accounts, &transactions, &categories, &recurring, &reconciliations, &splitLines);
    applier.beginSync();
    {
        SqlTransaction page(database);
        FuzzSupport::require(page.isActive(), "the page's unit of work opens");
        if (!applier.applyPage(document.object()) || !page.commit()) {
            page.rollback();
            applier.rollBackPage();
        }
    }
    // What was kept travels as text with the cursor and must come back whole.
    const QString kept = applier.keptState();
    SyncApplier restarted(database, &accounts, &transactions, &categories, &recurring, &reconciliations, &splitLines);
    restarted.restoreKept(kept);
    FuzzSupport::require(restarted.keptState() == kept, "kept records survive a restart");
    FuzzSupport::require(restarted.keptCount() == applier.keptCount(), "a restart keeps as many records");
    applier.checkIntegrity(document.object().value(QLatin1String("integrity")).toObject());
    FuzzSupport::readEverything(database);
    return 0;
}
