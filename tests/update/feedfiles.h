#pragma once

#include "support/fakeserver.h"

// Every GET of the path gets the body with the status; paths not served
// answer 404, like a static file host.
inline void serveFile(FakeServer &server, const QString &path, const QByteArray &body, int status = 200)
{
    FakeResponse reply;
    reply.status = status;
    reply.body = body;
    server.scriptAlways(QStringLiteral("GET"), path, reply);
}
