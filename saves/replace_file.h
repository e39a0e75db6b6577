// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QFileDevice;

// Writes every byte through the device, a short write repeated so that the
// system names the reason of a failure; the reason, if any.
std::optional<QString> writeAll(QFileDevice& out, const QByteArray& bytes);

// Replaces the file at the path, in one step, by one holding the bytes, so a
// failure leaves the earlier file as it was; the reason of a failure. A link
// or anything but a regular file at the path is refused and left as it is.
std::optional<QString> replaceFile(const QString& path, const QByteArray& bytes);
