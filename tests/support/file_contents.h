// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The bytes of the file at the path, or none when it cannot be read.
QByteArray contents(const QString& path);

// Writes the bytes as the whole file at the path; a test fails when it cannot.
void put(const QString& path, const QByteArray& bytes);
