#pragma once

#include <QSettings>

// What the program keeps for the user rather than for a folder (the device chosen for each COM
// number, the files loaded or saved last) goes where Qt keeps a Linux program's settings:
// $XDG_CONFIG_HOME/halvex/halvex.conf, that is ~/.config/halvex/halvex.conf. QSettings is
// reentrant, not thread-safe, so every caller (a send asks from its own thread) takes its own.
inline QSettings UserSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("halvex"),
                     QStringLiteral("halvex"));
}
