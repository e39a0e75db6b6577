// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/found_save.h"

#include "saves/file_numbers.h"
#include "saves/file_system.h"
#include "saves/save_file_io.h"

FoundSave findSave(const QString& path) {
    FoundSave found;
    if (auto refusal = writeRefusal(path)) {
        found.holds = FoundSave::Holds::unwritable;
        found.refusal = *refusal;
        return found;
    }
    if (!pathTaken(path)) return found;
    const SaveFileReading reading = readSaveFile(path);
    if (!reading.file) {
        found.holds = FoundSave::Holds::otherFile;
        return found;
    }
    found.holds = FoundSave::Holds::career;
    found.player = reading.file->line(saveLine::player);
    found.level = reading.file->line(saveLine::level);
    for (int column = 0; column < 4; ++column) {
        double matches = 0;
        parseFileNumber(reading.file->line(saveLine::recordBook(column, 0)), matches);
        found.matches += static_cast<int>(matches);
    }
    return found;
}
