// QIF import: decoding, the parser in each date order, and the import of
// every source account of the file into the register.
#include "fuzz/fuzzsupport.h"

#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/importservice.h"
#include "services/qifparser.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Database *database = FuzzSupport::database();
    QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const int choice = FuzzSupport::takeChoice(input, 4);

    const QString text = QifParser::decode(input);
    for (QifDateOrder order : {QifDateOrder::Auto, QifDateOrder::MonthFirst, QifDateOrder::DayFirst}) {
        const QifParseResult parsed = QifParser::parse(text, order);
        for (const QifTransaction &record : parsed.transactions) {
            QifParser::parseTransferHint(record.memo);
            QifParser::isSelfTransfer(record);
            FuzzSupport::require(!record.payee.contains(QChar(0)) && !record.memo.contains(QChar(0))
                                     && !record.category.contains(QChar(0)),
                                 "no parsed text holds a NUL");
        }
    }

    const QString path = FuzzSupport::scratchDirectory() + QStringLiteral("/input.qif");
    QFile file(path);
    FuzzSupport::require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(input) == input.size(),
                         "the input file is written");
    file.close();

    ScratchChange scratch(database);
    TransactionRepository transactions(database);
    CategoryRepository categories(database);
    SplitLineRepository splitLines(database);
    ImportService service(&transactions, &categories, &splitLines, database);
    const QifAnalysis analysis = service.analyzeQifFiles({path});
    QHash<QString, QString> mapping;
    int next = choice;
    for (const QifSourceAccount &source : analysis.accounts)
        mapping.insert(source.sourceName.toLower(), ++next % 2 ? QStringLiteral("acct-usd") : QStringLiteral("acct-jpy"));
    const ImportResult result = choice & 2 ? service.importQif({path}, mapping) : service.importQif(analysis, mapping);
    FuzzSupport::require(result.imported >= 0 && result.skipped >= 0 && result.duplicates >= 0, "counts are counts");
    FuzzSupport::readEverything(database);
    return 0;
}
