// SPDX-License-Identifier: GPL-3.0-or-later
// What a career's history costs: keeping its file after a match (one row
// appended to a file of a long career) against the auto-save that comes just
// before; reading the history file of the longest career, 32,767 matches
// written by the simulator; and the memory a history holds for each match.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QFile>
#include <QTemporaryDir>

#include "bench/longest_career.h"
#include "game/career.h"
#include "game/history.h"
#include "saves/history_csv.h"
#include "saves/history_file.h"
#include "saves/save_career.h"
#include "sim/simulation_options.h"

namespace {

// The history file of the longest career, written once into a folder that
// lasts as long as the program.
const QString& longestHistoryFile() {
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString written = folder.path() + QStringLiteral("/career-1.history.csv");
        if (writeHistoryFile(written, longestCareerPlayed().history)) std::abort();
        return written;
    }();
    return path;
}

std::size_t allocatedBytes() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// One match's row kept in the history file of a career that has played
// 32,767: the row appended to the file and flushed, as after every auto-save.
void AppendRow(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/raj_auto.history.csv");
    CareerHistory history = longestCareerPlayed().history;
    HistoryFile file;
    if (file.write(path, history)) {
        state.SkipWithError("the history file could not be written");
        return;
    }
    HistoryRow row = history.rows().back();
    for (auto _ : state) {
        ++row.match;
        history.append(row);
        if (const auto failure = file.write(path, history)) {
            state.SkipWithError(failure->toStdString().c_str());
            break;
        }
    }
}
BENCHMARK(AppendRow)->Unit(benchmark::kMicrosecond);

const struct AutoSave autoSaveOn { true, QStringLiteral("raj_auto.bsg") };

// The auto-save after the same match, whose file is replaced in one step and
// synced to disk.
void AutoSave(benchmark::State& state) {
    QTemporaryDir folder;
    const Career& career = longestCareerPlayed().career;
    for (auto _ : state) {
        if (const auto failure = saveCareer(career, autoSaveOn, folder.path())) {
            state.SkipWithError(failure->reason.toStdString().c_str());
            break;
        }
    }
}
BENCHMARK(AutoSave)->Unit(benchmark::kMicrosecond);

// Loading the longest career's history: the file read and parsed, the rows
// checked against the career.
void ReadLongestHistory(benchmark::State& state) {
    const QString& path = longestHistoryFile();
    const Career& career = longestCareerPlayed().career;
    for (auto _ : state) {
        const CareerHistory history = readHistory(path, career).history;
        if (history.rows().size() != static_cast<std::size_t>(longestCareer)) {
            state.SkipWithError("the history did not read back whole");
            break;
        }
        benchmark::DoNotOptimize(history.rows().data());
    }
    state.SetItemsProcessed(state.iterations() * longestCareer);
}
BENCHMARK(ReadLongestHistory)->Unit(benchmark::kMillisecond);

// The same history with a 60 MiB field in its second row, as a damaged or
// hostile file may hold: the row is refused as damaged without the reader's
// cost growing with the field.
void ReadHistoryWithAHugeField(benchmark::State& state) {
    static QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/huge.history.csv");
    const CareerHistory& written = longestCareerPlayed().history;
    {
        QByteArray huge = historyLine(written.rows()[1]);
        huge.insert(huge.indexOf(','), QByteArray(60 * 1024 * 1024, '7'));
        QFile file(path);
        QFile longest(longestHistoryFile());
        if (!longest.open(QIODevice::ReadOnly) || !file.open(QIODevice::WriteOnly)) std::abort();
        const QByteArray bytes = longest.readAll();
        const qsizetype secondRow = bytes.indexOf('\n', bytes.indexOf('\n') + 1) + 1;
        file.write(bytes.left(secondRow) + huge + bytes.mid(bytes.indexOf('\n', secondRow) + 1));
    }
    const Career& career = longestCareerPlayed().career;
    for (auto _ : state) {
        const HistoryReading read = readHistory(path, career);
        if (read.leftOut.damagedRows != 1) {
            state.SkipWithError("the huge row was not told as damaged");
            break;
        }
        benchmark::DoNotOptimize(read.history.rows().data());
    }
}
BENCHMARK(ReadHistoryWithAHugeField)->Unit(benchmark::kMillisecond);

// The heap a history holds, counted by glibc (mallinfo2: bytes in use in the
// heap and in mapped blocks), divided by its matches: read from the file,
// and grown a match at a time as a career in play grows it.
void MemoryPerMatch(benchmark::State& state) {
    const QString& path = longestHistoryFile();
    const PlayedCareer& played = longestCareerPlayed();
    double readBytes = 0;
    double grownBytes = 0;
    for (auto _ : state) {
        const std::size_t beforeRead = allocatedBytes();
        {
            const CareerHistory read = readHistory(path, played.career).history;
            readBytes = static_cast<double>(allocatedBytes() - beforeRead);
        }
        const std::size_t beforeGrown = allocatedBytes();
        {
            CareerHistory grown;
            for (const HistoryRow& row : played.history.rows()) grown.append(row);
            grownBytes = static_cast<double>(allocatedBytes() - beforeGrown);
        }
    }
    state.counters["read_bytes_per_match"] = readBytes / longestCareer;
    state.counters["grown_bytes_per_match"] = grownBytes / longestCareer;
    state.counters["row_size"] = sizeof(HistoryRow);
}
BENCHMARK(MemoryPerMatch)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
