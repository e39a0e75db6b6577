// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/no_user_settings.h"

#include <QProcess>
#include <QSettings>

void keepNoUserSettings() {
    // A device, not a folder ("/dev/null", Windows' "\\.\NUL"): no file can
    // be made under it, by root either. The native format takes the path
    // where it is a file (Unix); Windows' registry and macOS's preferences
    // take none.
    const QString nowhere = QProcess::nullDevice();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
}
