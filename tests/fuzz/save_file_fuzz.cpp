// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the save-file reader: whatever the bytes, reading
// either refuses them with a message or gives a file that loads into a career
// whose save file holds the same values and loads into the same career again,
// and that can still be saved after the rules have changed its money.
#include <QByteArray>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "game/career.h"
#include "game/level.h"
#include "game/match.h"
#include "game/play.h"
#include "game/purchase.h"
#include "game/random_source.h"
#include "game/ratings.h"
#include "saves/career_file.h"
#include "saves/file_numbers.h"
#include "saves/file_words.h"
#include "saves/save_file.h"

namespace {

class MiddleClub final : public RandomSource {
  public:
    double draw() override { return 0.5; }
};

void require(bool condition) {
    if (!condition) std::abort();
}

double numberOn(const SaveFile& file, int line) {
    double value = 0;
    require(parseFileNumber(file.line(line), value));
    return value;
}

// The row of a level's batting average in its column of the record book.
constexpr int battingAverageRow = 5;

// The saved line holds what the loaded line held: names and words as they
// were, the batting average with a decimal point, numbers as the value read (whole-number lines
// rounded, halves to even), the category as it follows from the skills, and the sponsor as the name
// read, written with its "&" doubled (a hand-edited lone "&" comes back doubled, the same name to
// every version of the game).
bool isBattingAverage(int line) {
    for (int column = 0; column < levelCount; ++column) {
        if (line == saveLine::recordBook(column, battingAverageRow)) return true;
    }
    return false;
}

void requireSameValue(const SaveFile& loaded, const SaveFile& saved, const Career& career,
                      int line) {
    // A batting average comes back as it was written, but with a decimal
    // point where the file held a comma: files use one form under every
    // locale.
    if (isBattingAverage(line)) {
        require(saved.line(line) ==
                BattingAverage::asWritten(loaded.line(line)).text(QStringLiteral(".")));
        return;
    }
    if (line == saveLine::role) {
        require(saved.line(line) == categoryWord(category(career.skills)));
        return;
    }
    if (line == saveLine::sponsor) {
        require(saved.line(line) == sponsorInFile(sponsorFromFile(loaded.line(line))));
        return;
    }
    switch (lineRule(line).kind) {
        case LineKind::header:
        case LineKind::text:
        case LineKind::level:
            require(saved.line(line) == loaded.line(line));
            return;
        case LineKind::money:
            require(numberOn(saved, line) == numberOn(loaded, line));
            return;
        case LineKind::int16:
        case LineKind::int32:
        case LineKind::autoSave:
            require(numberOn(saved, line) == std::nearbyint(numberOn(loaded, line)));
            return;
    }
}

void check(const QByteArray& bytes, bool wholeFile) {
    const SaveFileReading reading = decodeSaveFile(bytes, wholeFile);
    if (!reading.file) {
        require(!reading.error.isEmpty());
        return;
    }
    const SaveFile& file = *reading.file;
    const SaveFileReading again = decodeSaveFile(encodeSaveFile(file), true);
    require(again.file && again.file->lines == file.lines);

    MiddleClub random;
    const Career career = careerFromSave(file, random);
    const bool autoSave = detailsFromSave(file).autoSave;
    const SaveFile saved = saveFileOf(career, autoSave);
    require(!saveFileProblem(saved));
    for (int line = 1; line <= saveFileLineCount; ++line) {
        requireSameValue(file, saved, career, line);
    }
    // Once written by the game, a file loads into a career that writes it
    // again unchanged.
    require(saveFileOf(careerFromSave(saved, random), autoSave).lines == saved.lines);

    // A match, the bookie's money and a purchase on whatever the file holds:
    // the sanitizers watch the arithmetic, and the money stays within what a
    // save file may hold, so the career can still be saved.
    Career played = career;
    applyMatch(played, drawMatch(played, random));
    answerBookie(played, true, random);
    confirmPurchase(played, Purchase(purchase_centres::training(), played));
    require(!encodeSaveFile(saveFileOf(played, autoSave)).isEmpty());
    require(!saveFileProblem(saveFileOf(played, autoSave)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    check(bytes, true);
    check(bytes, false);
    return 0;
}
