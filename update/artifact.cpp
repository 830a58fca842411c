#include "update/artifact.h"

namespace LumoUpdate {

bool isWebAddress(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("https") || scheme == QLatin1String("http"));
}

bool Artifact::isValid() const
{
    // The download address is handed to the system's URL opener: a feed must
    // not be able to make it open a local file or another handler.
    return !version.isEmpty() && releasedAt.isValid() && isWebAddress(url) && size >= 1 && sha256.size() == 64;
}

} // namespace LumoUpdate
