// CSV import: text decoding, the CSV reader, separator and date detection,
// amount text, duplicates, and the rows written into the register.
#include "fuzz/fuzzsupport.h"

#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/csvparser.h"
#include "services/importservice.h"
#include "services/importtext.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Database *database = FuzzSupport::database();
    QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const int choice = FuzzSupport::takeChoice(input, 16);

    // Decoding in two pieces, cut anywhere, gives the text decoded whole.
    const QString whole = decodeImportText(input);
    ImportTextDecoder decoder(detectImportEncoding(input));
    const qsizetype cut = input.size() * choice / 15;
    QString pieces = decoder.decode(QByteArrayView(input).first(cut));
    pieces += decoder.decode(QByteArrayView(input).sliced(cut));
    pieces += decoder.finish();
    FuzzSupport::require(pieces == whole, "the text decoded in pieces is the text decoded whole");
    // Finding the encoding while decoding gives the same text, decoding again
    // as Windows-1252 only when told to.
    ImportTextDecoder detecting;
    QString found = detecting.decode(QByteArrayView(input).first(cut));
    found += detecting.decode(QByteArrayView(input).sliced(cut));
    found += detecting.finish();
    if (detecting.mustRestart()) {
        FuzzSupport::require(detectImportEncoding(input) == ImportEncoding::Windows1252,
                             "only a Windows-1252 file is decoded again");
        ImportTextDecoder windows1252(ImportEncoding::Windows1252);
        found = windows1252.decode(input) + windows1252.finish();
    }
    FuzzSupport::require(found == whole, "the text decoded while finding the encoding is the text decoded whole");
    CsvParser::parse(whole);

    const QString path = FuzzSupport::scratchDirectory() + QStringLiteral("/input.csv");
    QFile file(path);
    FuzzSupport::require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(input) == input.size(),
                         "the input file is written");
    file.close();

    CsvImportMapping mapping;
    mapping.hasHeader = choice & 1;
    if (choice & 2) {
        mapping.memoColumn = 3;
        mapping.categoryColumn = 4;
    }
    static const char *const formats[] = {"", "MM/dd/yyyy", "dd.MM.yy", "yyyy-MM-dd"};
    mapping.dateFormat = QString::fromLatin1(formats[(choice >> 2) & 3]);
    const QString account = choice & 8 ? QStringLiteral("acct-jpy") : QStringLiteral("acct-usd");

    ScratchChange scratch(database);
    TransactionRepository transactions(database);
    CategoryRepository categories(database);
    SplitLineRepository splitLines(database);
    ImportService service(&transactions, &categories, &splitLines, database);
    const ImportResult result = service.importCsv(path, account, mapping);
    FuzzSupport::require(result.imported >= 0 && result.skipped >= 0 && result.duplicates >= 0, "counts are counts");
    FuzzSupport::require(result.skippedRows.size() <= qMin(result.skipped, ImportResult::listedSkippedRows),
                         "the rows listed as skipped are the first of those counted");
    FuzzSupport::readEverything(database);
    return 0;
}
