#pragma once

#include <QString>

#include <functional>

namespace LumoAccount {

QString machineHostName();
// The operating system's name as the account service lists devices.
QString platformName();
// The machine id, else the first 32 hex digits of the SHA-256 of the host name.
QString deviceFingerprint();

// Replaces where the machine id comes from; an empty function restores the
// system's own. Tests use it to pin both branches of the fingerprint.
void setMachineIdSource(std::function<QString()> source);

} // namespace LumoAccount
