// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktop_url_opener.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopUrlOpener::open(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}
