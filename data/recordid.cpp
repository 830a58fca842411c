#include "data/recordid.h"

#include <QUuid>

QString newRecordId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}
