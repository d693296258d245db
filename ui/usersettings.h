#pragma once

#include <QSettings>
#include <QString>

#include <memory>

// What the program keeps for the user rather than for a folder (the device chosen for each COM
// number, the files loaded or saved last) goes where Qt keeps a Linux program's settings:
// $XDG_CONFIG_HOME/halvex/halvex.conf, that is ~/.config/halvex/halvex.conf.
QString UserSettingsPath();

// Why that file cannot be used, in words that name it; empty when it can be (or is not there
// yet). A file that is no plain file (a named pipe would stop the program in its open for ever),
// one the user may not read and one that is no settings file at all are neither read nor
// written: the program goes on without them and says so.
QString UserSettingsProblem();

// The settings of that file, or nothing when it cannot be used. QSettings is reentrant, not
// thread-safe, so every caller (a send asks from its own thread) takes its own.
std::unique_ptr<QSettings> UserSettings();
