// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/simulation_options.h"

#include <type_traits>

#include "saves/file_names.h"

namespace {

template <typename Number>
bool readNumber(const QString& text, Number low, Number high, Number& result) {
    bool ok = false;
    if constexpr (std::is_floating_point_v<Number>) {
        const double value = text.toDouble(&ok);
        ok = ok && value >= low && value <= high;
        if (ok) result = value;
    } else if constexpr (std::is_unsigned_v<Number>) {
        const qulonglong value = text.toULongLong(&ok);
        ok = ok && value >= low && value <= high;
        if (ok) result = static_cast<Number>(value);
    } else {
        const qlonglong value = text.toLongLong(&ok);
        ok = ok && value >= low && value <= high;
        if (ok) result = static_cast<Number>(value);
    }
    return ok;
}

}  // namespace

QString usage() {
    return QStringLiteral(
        "Usage: bailcrest_simulator [--careers N] [--seed S] [--match-cap M]\n"
        "                           [--bribe-acceptance P] [--save-every K]\n"
        "                           [--min-matches T] [--history DIR]\n"
        "Plays N careers (default 100) of the Bailcrest rules without a screen, from\n"
        "seed S (default 1), each stopped after M matches at most (default 10000, at\n"
        "most 32767). The player takes the bookie's money with probability P (default\n"
        "0.1). With K > 0 every K-th match of a career is saved to a scratch folder\n"
        "and loaded back. Checks the career after every step; exits with 1 at the\n"
        "first broken invariant or when the careers played fewer than T matches in\n"
        "all (default 0), 2 on options it does not understand. With --history, each\n"
        "career's history (one CSV row a match, as the game keeps it beside a save\n"
        "file) is written as it ends to DIR/career-<number>.history.csv, the first\n"
        "career of the run being number 1; DIR is created when missing.\n");
}

QString historyFileName(long long career) {
    return QStringLiteral("career-%1").arg(career) + historyFileEnding;
}

ParsedOptions parseOptions(const QStringList& arguments) {
    ParsedOptions parsed;
    SimulationOptions options;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& name = arguments[i];
        if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
            parsed.help = true;
            return parsed;
        }
        if (i + 1 >= arguments.size()) {
            parsed.error = QStringLiteral("%1 needs a value").arg(name);
            return parsed;
        }
        const QString& value = arguments[++i];
        bool ok = false;
        if (name == QLatin1String("--careers")) {
            ok = readNumber<long long>(value, 1, 1'000'000'000, options.careers);
        } else if (name == QLatin1String("--seed")) {
            ok = readNumber<std::uint64_t>(value, 0, UINT64_MAX, options.seed);
        } else if (name == QLatin1String("--match-cap")) {
            ok = readNumber<int>(value, 1, longestCareer, options.matchCap);
        } else if (name == QLatin1String("--bribe-acceptance")) {
            ok = readNumber<double>(value, 0.0, 1.0, options.bribeAcceptance);
        } else if (name == QLatin1String("--min-matches")) {
            ok = readNumber<long long>(value, 0, 1'000'000'000'000, options.minMatches);
        } else if (name == QLatin1String("--save-every")) {
            ok = readNumber<int>(value, 0, longestCareer, options.saveEvery);
        } else if (name == QLatin1String("--history")) {
            ok = !value.isEmpty();
            options.historyFolder = value;
        } else {
            parsed.error = QStringLiteral("unknown option %1").arg(name);
            return parsed;
        }
        if (!ok) {
            parsed.error = QStringLiteral("%1 does not take \"%2\"").arg(name, value);
            return parsed;
        }
    }
    parsed.options = options;
    return parsed;
}
