// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/no_user_settings.h"

#include <QSettings>

void keepNoUserSettings() {
#ifdef Q_OS_UNIX
    // A device, not a folder: no file can be made under it, by root either.
    const QString nowhere = QStringLiteral("/dev/null");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
#endif
}
