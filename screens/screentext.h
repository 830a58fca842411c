#pragma once

#include <QString>

class QDateTime;

// Message-box text that shows names and payees from the data as typed: the
// text is escaped into fixed markup, so "<b>" is never read as markup.
QString plainTextMessage(const QString &text);

// A date or time in the given format with month names and am/pm in the
// language the program speaks; the format itself is the caller's translated
// text, so each language orders the parts its own way.
QString languageDateText(const QDateTime &moment, const QString &format);
