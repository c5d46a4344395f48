#pragma once

#include <QString>

namespace klangtruhe {

// Powering off on Linux goes through systemd-logind, which knows whether this
// user may do so without anyone typing a password.
enum class PowerOffPermission {
    Allowed,   // "yes": no questions asked
    Challenge, // "challenge": only after a password, nobody there to type it
    Refused,   // "no" or "na"
    Unknown,   // no system bus or no logind
};

// logind's answer to CanPowerOff as a permission.
PowerOffPermission powerOffPermissionFrom(const QString &answer);

#if defined(Q_OS_LINUX)
PowerOffPermission askLogindPowerOff();
// Asks logind to power off without an interactive password prompt.
bool requestLogindPowerOff();
#endif

} // namespace klangtruhe
