#pragma once

#include <QString>

// A fresh id for a new record of any table: a random UUID without braces.
QString newRecordId();
