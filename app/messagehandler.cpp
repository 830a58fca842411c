#include "app/messagehandler.h"

void messageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    writeQuietMessage(stderr, type, message);
}

void writeQuietMessage(std::FILE *out, QtMsgType type, const QString &message)
{
    switch (type) {
    case QtDebugMsg:
    case QtInfoMsg:
        return;
    case QtWarningMsg:
        std::fprintf(out, "WARN: %s\n", message.toLocal8Bit().constData());
        break;
    case QtCriticalMsg:
    case QtFatalMsg:
        std::fprintf(out, "%s\n", message.toLocal8Bit().constData());
        break;
    }
    std::fflush(out);
}

bool quietMessagesWanted()
{
    return qgetenv("TALLYRA_VERBOSE").isEmpty();
}
