#pragma once

#include <QByteArray>
#include <QIODevice>

namespace LumoAccount {

// A request body that the network layer can read only once. Qt sends a
// request again by itself when the connection closes before the answer,
// whatever its method; a POST the service may already have stored would
// then be stored twice (two invitations from one click). Unable to rewind
// this body, Qt ends the reply with an error instead, which reaches the
// caller as no answer. A redirect that was allowed is an answer, so the body
// may be read again to follow it.
class SingleUseBody : public QIODevice
{
public:
    explicit SingleUseBody(const QByteArray &bytes, QObject *parent = nullptr);

    // The next rewind follows an allowed redirect.
    void allowRewind() { m_rewindAllowed = true; }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    bool atEnd() const override;
    bool reset() override;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;

private:
    QByteArray m_bytes;
    qint64 m_position = 0;
    bool m_rewindAllowed = false;
};

} // namespace LumoAccount
