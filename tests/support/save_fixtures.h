// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "game/career.h"
#include "saves/auto_save.h"

// The 68 lines of a save file built by hand from the file layout: a State
// career with names that keep their blanks, a sponsor with "&&" and averages
// written with a point, with a comma and without a leading digit.
QStringList handBuiltLines();

// Lines as UTF-16 little-endian bytes, encoded independently of the game's
// writer: optional byte-order mark, and the given line end after every line.
QByteArray utf16File(const QStringList& lines, const QString& lineEnd = QStringLiteral("\r\n"),
                     bool byteOrderMark = true);

// A career in mid-flight whose saved fields all differ from their start
// values, as the main screen would hold it after some matches.
Career midCareer();

// midCareer()'s auto-save: on, to the file named after its player.
AutoSave midCareerAutoSave();
