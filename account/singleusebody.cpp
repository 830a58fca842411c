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
    // Only before the first byte went out: there is nothing to repeat.
    return m_position == 0;
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
