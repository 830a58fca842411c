#pragma once

#include <QString>

// Message-box text that shows names and payees from the data as typed: the
// text is escaped into fixed markup, so "<b>" is never read as markup.
QString plainTextMessage(const QString &text);
