#pragma once

#include "services/importtext.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

enum class QifAccountKind { Bank = 0, CreditCard = 1, Investment = 2, Cash = 3, OtherAsset = 4, OtherLiability = 5 };

// What the lines after a header mean. Other (before the first header, or
// after an unknown one) is read like Transactions.
enum class QifSection { Transactions = 0, Ignored = 1, AccountList = 2, CategoryList = 3, Other = 4 };

enum class QifDateOrder { Auto = 0, MonthFirst = 1, DayFirst = 2 };

struct QifSplit
{
    QString category;
    QString transferAccount;
    QString memo;
    qint64 amount = 0; // cents
};

struct QifTransaction
{
    QDate date;
    QString payee;
    qint64 amount = 0; // cents
    QString memo;
    QString category;
    QString transferAccount;
    QString checkNumber;
    QString security;
    bool cleared = false;
    bool reconciled = false;
    QList<QifSplit> splits;
    QString sourceAccount;
};

struct QifCategoryEntry
{
    QString name;
    QString description;
    bool isIncome = false;
};

struct QifAccountEntry
{
    QString name;
    QifAccountKind kind = QifAccountKind::Bank;
};

struct QifParseResult
{
    QList<QifTransaction> transactions;
    QList<QifCategoryEntry> categories;
    int unparseableCount = 0;
    int metadataCount = 0;
    QList<QifAccountEntry> accounts;
    QifDateOrder dateOrder = QifDateOrder::MonthFirst;
    // Set when the text passed a limit of QifReader: nothing else is set.
    ImportFileRefusal refusal;
};

class QifRecordStore;

// One QIF file read for an import.
struct QifFileRead
{
    bool opened = true;
    // Set when the file was refused; then there is no store.
    ImportFileRefusal refusal;
    std::shared_ptr<const QifRecordStore> store;
};

// "[→ Name] rest": the memo mark of a transfer leg stored without its partner.
struct TransferHint
{
    QString name;
    QString rest;
    bool ok = false;
};

namespace QifParser {

QString decode(const QByteArray &bytes);
QifParseResult parse(const QString &text, QifDateOrder dateOrder = QifDateOrder::Auto);
// The file in pieces, dates in the order its own dates show. Never read
// whole: it takes memory about its own size.
QifFileRead readFile(const QString &path);
QifDateOrder detectDateOrder(const QStringList &lines);
// A line without the byte-order marks and CRs that lead it, trimmed.
QString prepareLine(QStringView line);
// A prepared "D" line whose date can only be read day first.
bool decidesDayFirst(const QString &line);
QifSection sectionFromHeader(const QString &line);
QifAccountKind accountTypeFromHeader(const QString &line);
std::optional<QDate> parseDate(const QString &text, QifDateOrder dateOrder);
std::optional<qint64> parseAmount(const QString &text);
// (category, transferAccount); a "[Name]" value is a transfer account.
QPair<QString, QString> splitCategoryClass(const QString &text);

QString transferLabel(const QString &name);
TransferHint parseTransferHint(const QString &memo);
bool isSelfTransfer(const QifTransaction &record);

} // namespace QifParser
