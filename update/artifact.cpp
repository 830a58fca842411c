#include "update/artifact.h"

namespace LumoUpdate {

bool Artifact::isValid() const
{
    return !version.isEmpty() && releasedAt.isValid() && url.isValid() && size >= 1
        && sha256.size() == 64;
}

} // namespace LumoUpdate
