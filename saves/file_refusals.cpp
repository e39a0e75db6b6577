// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/file_refusals.h"

#include <QCoreApplication>

QString readLinkRefusal() {
    return QCoreApplication::translate("SaveFile", "it is a link to another file");
}

QString readNotRegularRefusal() {
    return QCoreApplication::translate("SaveFile", "it is not an ordinary file");
}

QString writeLinkRefusal() {
    return QCoreApplication::translate(
        "SaveFile",
        "it is a link to another file, and the game writes only files of its own in its Saves "
        "folder");
}

QString writeNotRegularRefusal() {
    return QCoreApplication::translate(
        "SaveFile", "it is not an ordinary file, and the game writes only ordinary files");
}
