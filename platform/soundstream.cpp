// SPDX-License-Identifier: MIT
#include "desktop.h"

namespace Desktop {

namespace {

void setUnlessSet(const char *name, const QByteArray &value)
{
    if (!qEnvironmentVariableIsSet(name))
        qputenv(name, value);
}

} // namespace

void nameSoundStream()
{
#ifdef Q_OS_LINUX
    // The game has no volume setting of its own: the desktop's volume
    // control is where a player lowers or mutes it. SDL names the stream
    // and PipeWire's role; libpulse takes the role and the icon, which SDL
    // does not pass on, from these.
    setUnlessSet("PULSE_PROP_media.role", "game");
    setUnlessSet("PULSE_PROP_application.icon_name", VELMORA_APP_ID);
#endif
}

} // namespace Desktop
