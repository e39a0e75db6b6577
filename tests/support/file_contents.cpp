// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/file_contents.h"

#include <gtest/gtest.h>

#include <QFile>

QByteArray contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    return file.readAll();
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
