#pragma once

#include <QByteArray>
#include <QIODevice>

namespace LumoAccount {

// A request body that the network layer can hand out only once, an empty
// one included. Qt sends a request again by itself when the connection closes
// before the answer, whatever its method; a POST the service may already have
// acted on would then be acted on twice (two invitations from one click).
// How much of the body was read says nothing about whether the request went
// out (an empty body reads nothing), so this body never rewinds: Qt ends the
// reply with an error instead, which reaches the caller as no answer.
class SingleUseBody : public QIODevice
{
public:
    explicit SingleUseBody(const QByteArray &bytes, QObject *parent = nullptr);

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
};

} // namespace LumoAccount
