// Time of one auto-save and one load of a career in mid-flight: on disk (the
// file replaced in one step and synced) and in memory (format alone).
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "core/career.h"
#include "saves/load_data.h"
#include "saves/store_data.h"
#include "support/save_fixtures.h"
#include "ui/random_source.h"

namespace {

class FirstClub final : public RandomSource {
  public:
    double draw() override { return 0.0; }
};

void loadInto(const SaveFile& file, const QString& fileName) {
    Career loaded;
    FirstClub random;
    startCareer(loaded, detailsFromSave(file), random);
    applySave(file, loaded, fileName);
    benchmark::DoNotOptimize(loaded);
}

void SaveAndLoadOnDisk(benchmark::State& state) {
    const Career career = midCareer();
    const MatchContext context = contextOf(career);
    QTemporaryDir folder;
    const QString path = folder.path() + QLatin1Char('/') + context.fileName;
    for (auto _ : state) {
        if (writeSaveFile(folder.path(), context.fileName, saveFileOf(context, career))) {
            state.SkipWithError("save failed");
            break;
        }
        const SaveFileReading reading = readSaveFile(path);
        if (!reading.file) {
            state.SkipWithError("load failed");
            break;
        }
        loadInto(*reading.file, context.fileName);
    }
}
BENCHMARK(SaveAndLoadOnDisk)->Unit(benchmark::kMicrosecond);

void SaveAndLoadInMemory(benchmark::State& state) {
    const Career career = midCareer();
    const MatchContext context = contextOf(career);
    for (auto _ : state) {
        const QByteArray bytes = encodeSaveFile(saveFileOf(context, career));
        const SaveFileReading reading = decodeSaveFile(bytes, true);
        if (!reading.file) {
            state.SkipWithError("load failed");
            break;
        }
        loadInto(*reading.file, context.fileName);
    }
}
BENCHMARK(SaveAndLoadInMemory)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
