// Money text: typed or imported amount text in every currency, and the
// round trip of every amount through the program's own formats.
#include "fuzz/fuzzsupport.h"

#include "data/money.h"

#include <cstring>
#include <limits>

namespace {

void requireRoundTrip(qint64 amount, Currency currency)
{
    if (amount == std::numeric_limits<qint64>::min())
        return; // never an amount
    FuzzSupport::require(tryParseMoney(formatAmount(amount, currency), currency) == amount,
                         "an amount reads back from its own text");
    FuzzSupport::require(tryParseMoney(formatMoney(amount, currency), currency) == amount,
                         "an amount reads back from its text with the currency symbol");
    FuzzSupport::require(tryParseMoney(formatAmountSigned(amount, true, currency), currency) == -amount,
                         "a negated amount reads back negated");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const Currency currency = Currency(FuzzSupport::takeChoice(input, 6));

    // Eight bytes as an amount: formatting never loses it.
    if (input.size() >= 8) {
        qint64 amount = 0;
        std::memcpy(&amount, input.constData(), sizeof amount);
        requireRoundTrip(amount, currency);
    }

    // The bytes as text: what reads is an amount, and reads back the same.
    const QString text = QString::fromUtf8(input);
    const std::optional<qint64> amount = tryParseMoney(text, currency);
    FuzzSupport::require(parseMoney(text, currency) == amount.value_or(0), "parseMoney agrees with tryParseMoney");
    if (amount) {
        FuzzSupport::require(*amount != std::numeric_limits<qint64>::min(), "INT64_MIN never reads as an amount");
        requireRoundTrip(*amount, currency);
        qint64 sum = 0;
        const bool overflows = __builtin_add_overflow(*amount, *amount, &sum) || sum == std::numeric_limits<qint64>::min();
        FuzzSupport::require(checkedSum(*amount, *amount).has_value() != overflows, "checkedSum refuses exactly the overflows");
    }
    parseDigitsOnly(text);
    return 0;
}
