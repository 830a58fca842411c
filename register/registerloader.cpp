#include "register/registerloader.h"

#include "app/appstate.h"
#include "data/transactionrepository.h"
#include "register/registermodel.h"
#include "register/registerreader.h"

namespace {

// Enough for a first screen at any window height.
constexpr int kNewestRows = 300;

} // namespace

RegisterLoader::RegisterLoader(AppState *app, RegisterModel *model, QObject *parent)
    : QObject(parent)
    , m_app(app)
    , m_model(model)
    , m_reader(new RegisterReader(app->database(), app->transactionRepository(), this))
{
    connect(m_reader, &RegisterReader::earlierRowsRead, this, &RegisterLoader::takeEarlierRows);
    connect(m_reader, &RegisterReader::earlierRowsFailed, this, [this] {
        m_kept.clear();
        Q_EMIT reloadNeeded();
    });
}

bool RegisterLoader::isReading() const
{
    return m_model->hasPendingRows();
}

void RegisterLoader::load(const QString &accountId, bool newestFirst)
{
    // What is read now holds every change kept so far.
    m_kept.clear();
    m_accountId = accountId;
    std::optional<TransactionRepository::RegisterNewest> newest;
    if (newestFirst)
        newest = m_reader->readNewest(accountId, kNewestRows);
    if (newest)
        m_model->setNewestRows(*newest);
    else
        m_model->setRows(m_reader->readAll(accountId));
}

void RegisterLoader::clear()
{
    m_kept.clear();
    m_reader->stop();
    m_model->setRows({});
}

bool RegisterLoader::showLocalChange(const QList<Transaction> &before, const QStringList &ids)
{
    QStringList written;
    for (const QString &id : ids) {
        if (!id.isEmpty() && !written.contains(id))
            written.append(id);
    }
    // Nothing named: what was written is not known here.
    if (written.isEmpty())
        return false;
    const std::optional<QList<RegisterRow>> after = storedRows(written);
    if (!after)
        return false;
    if (m_model->touchesOnlyHeldRows(before, *after))
        m_model->applyChanges(before, *after);
    else
        m_kept.append({before, written});
    return true;
}

std::optional<QList<RegisterRow>> RegisterLoader::storedRows(const QStringList &ids) const
{
    const std::optional<QList<RegisterRow>> stored = m_app->transactionRepository()->registerRowsByIds(ids);
    if (!stored)
        return std::nullopt;
    QList<RegisterRow> rows;
    for (const RegisterRow &row : *stored) {
        if (row.transaction.accountId == m_accountId)
            rows.append(row);
    }
    return rows;
}

void RegisterLoader::takeEarlierRows(const QList<RegisterRow> &rows)
{
    if (!m_model->completeRows(rows))
        return;
    // The rows read may or may not hold a kept change already, as the read
    // began before or after it was written: each is read back as stored
    // now and put in place over them, which gives the same either way.
    const QList<Change> kept = std::exchange(m_kept, {});
    for (const Change &change : kept) {
        const std::optional<QList<RegisterRow>> after = storedRows(change.ids);
        if (!after) {
            Q_EMIT reloadNeeded();
            return;
        }
        m_model->applyChanges(change.before, *after);
    }
    Q_EMIT rowsCompleted();
}
