#pragma once

#include <QString>
#include <QtGlobal>

#include <cstdio>

// The quiet message policy: no debug or info lines, warnings prefixed
// "WARN: ", critical and fatal lines as they are, never the context.
void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message);
void writeQuietMessage(std::FILE *out, QtMsgType type, const QString &message);

// True unless TALLYRA_VERBOSE is set to a non-empty value.
bool quietMessagesWanted();
