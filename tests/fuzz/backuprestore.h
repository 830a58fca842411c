#pragma once

#include <QByteArray>

// Restores an archive in the mode the choice names, inside a scratch change,
// then reads everything restored and checks the database.
void restoreAndRead(const QByteArray &archive, int modeChoice);
