// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <optional>

#include "saves/file_system.h"

// The parts of a bounded read that both builds of the file layer share, once
// each has opened the file its own way.

// Opens the file for reading, each build its own way, as every read opens
// it: nothing when it is open, or what came of it when it was not.
std::optional<BoundedRead> openToRead(const QString& path, QFile& file);

// A file there that is not read, and why.
BoundedRead refusedRead(BoundedRead::Outcome outcome, QString reason);

// At most the bytes asked for of a file already open for reading.
BoundedRead readOpenFile(QFile& file, qint64 maxBytes);

// The same in pieces handed on as they are read.
BoundedRead readOpenFileInPieces(QFile& file, qint64 maxBytes, qint64 pieceBytes,
                                 const std::function<void(QByteArrayView)>& take);
