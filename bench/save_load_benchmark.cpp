// SPDX-License-Identifier: GPL-3.0-or-later
// Time of one auto-save and one load of a career in mid-flight: on disk (the
// file replaced in one step and synced) and in memory (format alone).
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "game/career.h"
#include "game/random_source.h"
#include "saves/career_file.h"
#include "saves/save_file.h"
#include "saves/save_file_io.h"
#include "session/load_career.h"
#include "support/save_fixtures.h"

namespace {

class FirstClub final : public RandomSource {
  public:
    double draw() override { return 0.0; }
};

void load(const SaveFile& file) {
    FirstClub random;
    Career loaded = careerFromSave(file, random);
    benchmark::DoNotOptimize(loaded);
}

void SaveAndLoadOnDisk(benchmark::State& state) {
    const Career career = midCareer();
    QTemporaryDir folder;
    const QString fileName = QStringLiteral("raj_auto.bsg");
    const QString path = folder.path() + QLatin1Char('/') + fileName;
    for (auto _ : state) {
        if (writeSaveFile(folder.path(), fileName, saveFileOf(career, true))) {
            state.SkipWithError("save failed");
            break;
        }
        // Loaded as Load loads it, its (absent) history file looked for too.
        FirstClub random;
        const CareerLoading loading = loadCareer(path, folder.path(), random);
        if (!loading.loaded) {
            state.SkipWithError("load failed");
            break;
        }
        benchmark::DoNotOptimize(loading.loaded->career);
    }
}
BENCHMARK(SaveAndLoadOnDisk)->Unit(benchmark::kMicrosecond);

void SaveAndLoadInMemory(benchmark::State& state) {
    const Career career = midCareer();
    for (auto _ : state) {
        const QByteArray bytes = encodeSaveFile(saveFileOf(career, true));
        const SaveFileReading reading = decodeSaveFile(bytes, true);
        if (!reading.file) {
            state.SkipWithError("load failed");
            break;
        }
        load(*reading.file);
    }
}
BENCHMARK(SaveAndLoadInMemory)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
