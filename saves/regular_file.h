// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class QFile;

// The game creates, replaces and appends only regular files of its own. A
// symbolic link in their place (one unpacked from an archive, say) would make
// it write wherever the link points, outside the Saves folder, so a link,
// dangling or not, is refused like a folder, a pipe or a device.

// Why the game does not write at the path, or nothing when the path holds a
// regular file or nothing at all.
std::optional<QString> writeRefusal(const QString& path);

// What opening an existing file for appending came to.
enum class AppendOpening { opened, missing, refused };

// Opens the regular file at the path for appending, never through a link and
// never creating it; the reason, when refused, in the second place.
AppendOpening openToAppend(QFile& file, const QString& path, QString* reason = nullptr);
