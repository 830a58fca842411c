#pragma once

class Database;
class TransactionRepository;

// Keeps transfer pairs whole under sync. Each leg follows the version rule
// on its own, so one pull can bring one device's change to one leg while the
// other leg keeps another device's change. A live pair (both accounts live)
// whose amounts are not each other's negation, or whose dates differ, takes
// the amount and date of the leg changed last: the later updated_at, then
// the higher version, then the lower id, so that every device holding the
// same two legs makes the same choice; a leg holding INT64_MIN, which has no
// negation, never leads. The other leg becomes a local change like any edit
// and goes out with the next push.
class TransferPairRepair
{
public:
    TransferPairRepair(Database *database, TransactionRepository *transactions);

    // Repairs every broken pair, all in one SQL transaction. Returns the
    // number of legs rewritten, or -1 when the repair could not be stored.
    int repairBrokenPairs();

private:
    Database *m_database;
    TransactionRepository *m_transactions;
};
