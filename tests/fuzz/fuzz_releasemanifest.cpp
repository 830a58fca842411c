// The release feed: a manifest document from the network, its artifacts and
// the version texts compared against the running build.
#include "fuzz/fuzzsupport.h"

#include "update/client.h"
#include "update/manifest.h"
#include "update/version.h"

using namespace LumoUpdate;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    const Manifest manifest = parseManifest(input, &error);
    FuzzSupport::require(!error.isEmpty() || manifest.isValid(), "a manifest without an error is valid");
    if (!manifest.isValid())
        return 0;
    const Version running = Version::parse(QStringLiteral("1.1.7"));
    for (auto it = manifest.artifacts.constBegin(); it != manifest.artifacts.constEnd(); ++it) {
        const Artifact &artifact = it.value();
        const Version offered = Version::parse(artifact.version);
        const Version oldest = Version::parse(artifact.minUpgradableFrom);
        FuzzSupport::require(!(offered < offered) && offered == offered, "versions order strictly");
        FuzzSupport::require(!(running < offered && offered < running), "version order is antisymmetric");
        Q_UNUSED(oldest);
        if (artifact.isValid())
            FuzzSupport::require(isWebAddress(artifact.url), "a valid artifact downloads from a web address");
    }
    manifest.artifactFor(currentPlatformKey());
    return 0;
}
