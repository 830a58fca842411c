#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

class Database;

// What every fuzz target shares: one Qt application, a temporary data
// directory and one migrated database with a small register in it. Each input
// runs inside a savepoint that is rolled back afterwards, so every input
// starts from the same data.
namespace FuzzSupport {

// Creates the application and the database on first use.
Database *database();
QString scratchDirectory();

// Stops the run with a report when a property does not hold; the fuzzer
// keeps the input as a finding.
void require(bool condition, const char *what);

// The register as a reader sees it: every account's register rows and
// balances, the reports over all dates, then SQLite's own checks (integrity,
// foreign keys, the full-text index). Anything inconsistent is a finding.
void readEverything(Database *database);

// The first byte of an input as a small choice, consumed from the front.
int takeChoice(QByteArray &input, int choices);

} // namespace FuzzSupport

// Runs fn on a copy of the database state that is thrown away afterwards.
class ScratchChange
{
public:
    explicit ScratchChange(Database *database);
    ~ScratchChange();

    ScratchChange(const ScratchChange &) = delete;
    ScratchChange &operator=(const ScratchChange &) = delete;

private:
    Database *m_database;
};

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
