#pragma once

#include <QByteArray>
#include <QString>

// Text of an import file: by byte-order mark, else strict UTF-8, else
// Windows-1252. Never fails.
QString decodeImportText(const QByteArray &bytes);
