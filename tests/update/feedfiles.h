#pragma once

#include "support/fakeserver.h"

#include <QFile>
#include <QTemporaryDir>

// Every GET of the path gets the body with the status; paths not served
// answer 404, like a static file host.
inline void serveFile(FakeServer &server, const QString &path, const QByteArray &body, int status = 200)
{
    FakeResponse reply;
    reply.status = status;
    reply.body = body;
    server.scriptAlways(QStringLiteral("GET"), path, reply);
}

// A local file that a feed or its notes must never get the program to
// read; its path, or empty when it could not be written.
inline QString writeLocalFile(const QTemporaryDir &dir, const QString &name, const QByteArray &content)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return {};
    return file.fileName();
}
