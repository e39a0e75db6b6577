// SPDX-License-Identifier: GPL-3.0-or-later
// Plays many careers of the game's rules without a screen and checks every
// step against the rules; see usage() for the options.
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>

#include "saves/file_system.h"
#include "saves/history_file.h"
#include "sim/message_count.h"
#include "sim/run_summary.h"
#include "sim/seeded_random.h"
#include "sim/simulated_career.h"
#include "sim/simulation_options.h"

namespace {

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// Writes the career's history into the folder given, if any; false, after
// telling why, when it could not be written.
bool writeHistory(const SimulationOptions& options, long long number,
                  const SimulatedCareer& career) {
    if (options.historyFolder.isEmpty()) return true;
    const QString path = options.historyFolder + QLatin1Char('/') + historyFileName(number);
    if (const auto failure = writeHistoryFile(path, career.history())) {
        print(stderr, QStringLiteral("bailcrest_simulator: the history could not be written to "
                                     "%1: %2\n")
                          .arg(path, *failure));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const ParsedOptions parsed = parseOptions(arguments);
    if (parsed.help) {
        print(stdout, usage());
        return 0;
    }
    if (!parsed.options) {
        print(stderr, QStringLiteral("bailcrest_simulator: %1\n").arg(parsed.error) + usage());
        return 2;
    }
    const SimulationOptions& options = *parsed.options;

    if (!options.historyFolder.isEmpty() && !makeFolder(options.historyFolder)) {
        print(stderr, QStringLiteral("bailcrest_simulator: the folder %1 could not be created\n")
                          .arg(options.historyFolder));
        return 1;
    }

    QTemporaryDir saves;
    if (options.saveEvery > 0 && !saves.isValid()) {
        print(stderr, QStringLiteral("bailcrest_simulator: no scratch folder for saves: %1\n")
                          .arg(saves.errorString()));
        return 1;
    }

    print(stdout, QStringLiteral("Bailcrest career simulator: seed %1, %2 careers, match cap %3, "
                                 "bribe acceptance %4, save every %5 matches\n")
                      .arg(options.seed)
                      .arg(options.careers)
                      .arg(options.matchCap)
                      .arg(options.bribeAcceptance)
                      .arg(options.saveEvery));
    SeededRandom random(options.seed);
    MessageCount messages;
    RunSummary summary;
    const auto start = std::chrono::steady_clock::now();
    for (long long number = 1; number <= options.careers; ++number) {
        SimulatedCareer career(random, messages, options, saves.path());
        try {
            summary.add(career.play());
        } catch (const InvariantBroken& broken) {
            print(stderr, QStringLiteral("bailcrest_simulator: broken invariant in career %1 of "
                                         "seed %2 %3\n")
                              .arg(number)
                              .arg(options.seed)
                              .arg(QString::fromStdString(broken.what())));
            // The matches up to the broken step, to look into.
            writeHistory(options, number, career);
            return 1;
        }
        if (!writeHistory(options, number, career)) return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    print(stdout, summary.report(messages.counts()));
    if (summary.matches() < options.minMatches) {
        print(stderr, QStringLiteral("bailcrest_simulator: the careers played %1 matches, fewer "
                                     "than the %2 asked for\n")
                          .arg(summary.matches())
                          .arg(options.minMatches));
        return 1;
    }
    print(stdout, QStringLiteral("Every step checked: no invariant broken. %1 matches in %2 s "
                                 "(%3 matches a second, policy and checks included)\n")
                      .arg(summary.matches())
                      .arg(seconds, 0, 'f', 1)
                      .arg(summary.matches() / seconds, 0, 'f', 0));
    return 0;
}
