#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

struct SplitLine
{
    QString id;
    QString transactionId;
    QString categoryId;
    qint64 amount = 0; // signed like the transaction's amount
    QString memo;
    QDateTime createdAt;
    QDateTime updatedAt;
};
