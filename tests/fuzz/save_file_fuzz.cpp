// libFuzzer target for the save-file reader: whatever the bytes, reading
// either refuses them with a message or gives a file that loads into a career
// and is written back to bytes that read the same.
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/career.h"
#include "core/start_up.h"
#include "match/match_context.h"
#include "match/take_match_context.h"
#include "saves/load_data.h"
#include "saves/save_file.h"
#include "saves/store_data.h"
#include "ui/random_source.h"

namespace {

class MiddleClub final : public RandomSource {
  public:
    double draw() override { return 0.5; }
};

void require(bool condition) {
    if (!condition) std::abort();
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

    Career career;
    MiddleClub random;
    startCareer(career, detailsFromSave(file), random);
    applySave(file, career, QStringLiteral("fuzz.bsg"));
    // Saved again, the career gives back every line but the skills and the
    // auto-save flag, which the player screen hands over as whole numbers.
    const SaveFile saved = saveFileOf(takeMatchContext(career.record), career);
    require(!saveFileProblem(saved));
    for (int number = 1; number <= saveFileLineCount; ++number) {
        const bool handedOver = number >= saveLine::skills && number <= saveLine::autoSave;
        require(handedOver || saved.line(number) == file.line(number));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    check(bytes, true);
    check(bytes, false);
    return 0;
}
