#pragma once

#include "data/splitline.h"

#include <QObject>

class Database;

class SplitLineRepository : public QObject
{
    Q_OBJECT

public:
    explicit SplitLineRepository(Database *database, QObject *parent = nullptr);

    QList<SplitLine> listByTransaction(const QString &transactionId) const;
    bool insert(const SplitLine &line);
    bool deleteByTransaction(const QString &transactionId);
    // Deletes the transaction's lines and inserts the new set as one unit:
    // on any failure nothing changes and false is returned.
    bool replaceForTransaction(const QString &transactionId, const QList<SplitLine> &lines);

private:
    Database *m_database;
};
