#include "account/singleusebody.h"

#include <cstring>

namespace LumoAccount {

SingleUseBody::SingleUseBody(const QByteArray &bytes, QObject *parent)
    : QIODevice(parent)
    , m_bytes(bytes)
{
    // Unbuffered: every byte handed out is counted here, none kept aside.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 SingleUseBody::bytesAvailable() const
{
    return m_bytes.size() - m_position;
}

bool SingleUseBody::atEnd() const
{
    return m_position >= m_bytes.size();
}

bool SingleUseBody::reset()
{
    // Qt asks only to send the request again, and the first sending may have
    // reached the service even when no byte of the body was read.
    return false;
}

qint64 SingleUseBody::readData(char *data, qint64 maxSize)
{
    const qint64 count = qMin(maxSize, bytesAvailable());
    if (count <= 0)
        return atEnd() ? -1 : 0;
    std::memcpy(data, m_bytes.constData() + m_position, size_t(count));
    m_position += count;
    return count;
}

qint64 SingleUseBody::writeData(const char *, qint64)
{
    return -1;
}

} // namespace LumoAccount
