// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/run_summary.h"

#include <QStringList>
#include <algorithm>
#include <numeric>

void RunSummary::add(const CareerResult& career) {
    ++careers_;
    matches_ += career.matches;
    ++ends_[static_cast<int>(career.end)];
    for (int i = 0; i < 4; ++i) {
        if (career.matchesToReach[i]) matchesToReach_[i].push_back(*career.matchesToReach[i]);
    }
    for (const auto& [checkpoint, balance] : career.balances) {
        auto& [sum, count] = balances_[checkpoint];
        sum += balance;
        ++count;
    }
}

namespace {

QString spread(std::vector<long long> values) {
    if (values.empty()) return QStringLiteral("-");
    std::sort(values.begin(), values.end());
    const double mean =
        std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
    const std::size_t middle = values.size() / 2;
    const double median = values.size() % 2 == 1 ? static_cast<double>(values[middle])
                                                 : (values[middle - 1] + values[middle]) / 2.0;
    return QStringLiteral("mean %1, median %2, max %3")
        .arg(mean, 0, 'f', 1)
        .arg(median, 0, 'f', 1)
        .arg(values.back());
}

}  // namespace

QString RunSummary::report(const QHash<QString, long long>& messages) const {
    QStringList lines;
    lines << QStringLiteral("Careers: %1, matches: %2").arg(careers_).arg(matches_);
    lines << QStringLiteral(
                 "How careers ended: caught by the bookie's enquiry %1, dropped from "
                 "the club %2, stopped at the match cap %3")
                 .arg(ends_[static_cast<int>(CareerEnd::caught)])
                 .arg(ends_[static_cast<int>(CareerEnd::dropped)])
                 .arg(ends_[static_cast<int>(CareerEnd::matchCap)]);
    lines << QStringLiteral("Matches played before first reaching a level:");
    static const char* const levels[4] = {"City", "State", "National", "World Cup"};
    for (int i = 0; i < 4; ++i) {
        lines << QStringLiteral("  %1: %2 careers; %3")
                     .arg(QString::fromLatin1(levels[i]), -10)
                     .arg(matchesToReach_[i].size(), 6)
                     .arg(spread(matchesToReach_[i]));
    }
    lines << QStringLiteral("Mean bank balance (Rs) after match:");
    for (const auto& [checkpoint, sumAndCount] : balances_) {
        lines << QStringLiteral("  %1: %2 over %3 careers")
                     .arg(checkpoint, 6)
                     .arg(sumAndCount.first / sumAndCount.second, 12, 'f', 0)
                     .arg(sumAndCount.second);
    }
    lines << QStringLiteral("Messages shown:");
    std::vector<std::pair<long long, QString>> byCount;
    for (auto it = messages.cbegin(); it != messages.cend(); ++it)
        byCount.emplace_back(it.value(), it.key());
    std::sort(byCount.begin(), byCount.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    for (const auto& [count, text] : byCount)
        lines << QStringLiteral("  %1  %2").arg(count, 9).arg(text);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
