#include "update/artifact.h"

namespace LumoUpdate {

bool Artifact::isValid() const
{
    // The download address is handed to the system's URL opener: a feed must
    // not be able to make it open a local file or another handler.
    const QString scheme = url.scheme().toLower();
    const bool webAddress = scheme == QLatin1String("https") || scheme == QLatin1String("http");
    return !version.isEmpty() && releasedAt.isValid() && url.isValid() && webAddress && size >= 1
        && sha256.size() == 64;
}

} // namespace LumoUpdate
