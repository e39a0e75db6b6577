// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

#include "game/level.h"

// One career on disk: 68 lines of UTF-16 little-endian text after the
// byte-order mark FF FE, every line ending in CR LF, one value per line and
// the meaning of a line given by its place alone. Other programs that follow
// the same layout exchange files with this one byte for byte.
constexpr int saveFileLineCount = 68;

// The most a reader looks at: far more than 68 lines of names and figures
// need, and a bound on what a huge or endless file can cost. The writer
// writes no file larger, so that every save loads again.
constexpr qsizetype maxSaveFileBytes = 64 * 1024;

inline const QString saveFileHeader = QStringLiteral("Bailcrest Saves");
// What the player is told of a file that is not a save file at all.
QString notASaveFileNotice();
// What the player is told of a file whose 68 lines run past maxSaveFileBytes.
QString tooLargeToLoadNotice();
// Why a file of the given size is not written, or nothing when it may be.
std::optional<QString> saveFileSizeProblem(qsizetype bytes);

// Line numbers, counted from 1 as the player sees them in a message.
namespace saveLine {
constexpr int header = 1;
constexpr int player = 2;
constexpr int cityTeam = 3;
constexpr int stateTeam = 4;
constexpr int nationTeam = 5;
constexpr int skills = 6;  // batting, bowling, fielding now
constexpr int autoSave = 9;
constexpr int startingSkills = 10;  // batting, bowling, fielding at the start of the career
constexpr int clubTeam = 13;
constexpr int team = 14;
constexpr int role = 15;
constexpr int sponsor = 16;
constexpr int matchfee = 17;
constexpr int sponsorship = 18;
constexpr int otherincome = 19;
constexpr int bankbalance = 20;
constexpr int conditions = 21;  // bat, gloves, pads, others, fitness, health, stamina
constexpr int level = 68;

// The record book, ten lines per level column in record-book row order.
constexpr int recordBook(int column, int row) {
    return 28 + column * 10 + row;
}
}  // namespace saveLine

// The 68 lines of one save file, without their line ends.
struct SaveFile {
    std::array<QString, saveFileLineCount> lines;

    const QString& line(int number) const { return lines.at(number - 1); }
    void setLine(int number, const QString& text) { lines.at(number - 1) = text; }
};

// What each line may hold and how a message names it.
enum class LineKind { header, text, int16, int32, money, autoSave, level };

struct LineRule {
    LineKind kind;
    // The line's name in English, marked for translation in the "SaveFile"
    // context and translated when a message is written; a record-book line's
    // name takes the level's name as %1.
    const char* name = "";
    std::optional<Level> level;
};

const LineRule& lineRule(int number);

// What is wrong with the first line whose value does not fit its rule, for
// example: line 17 (match fee) holds "abc", which is not a number. Nothing
// when every line fits; a file that passes can be loaded, and written back
// unless its bytes pass the size a reader reads.
std::optional<QString> saveFileProblem(const SaveFile& file);

// The bytes of the file: the byte-order mark, then every line and CR LF.
QByteArray encodeSaveFile(const SaveFile& file);

// Either a save file every line of which fits its rule, or the message that
// tells the player why the bytes cannot be loaded.
struct SaveFileReading {
    std::optional<SaveFile> file;
    QString error;
};

// Reads the bytes at the start of a file. Lines may end in CR LF or LF; lines
// after the 68th are ignored. wholeFile is false when the bytes stop short of
// the file's end, so that a last line without a line end is incomplete, and
// a file whose 68 lines they do not hold is too large.
SaveFileReading decodeSaveFile(const QByteArray& bytes, bool wholeFile);
