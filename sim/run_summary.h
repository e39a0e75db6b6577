// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <array>
#include <map>
#include <vector>

#include "sim/simulated_career.h"

// What a run of careers came to, gathered career by career.
class RunSummary {
  public:
    void add(const CareerResult& career);

    long long careers() const { return careers_; }
    long long matches() const { return matches_; }

    // The summary as printed: how careers ended, matches to reach each
    // level, the bank balance over time and how often each message was shown.
    QString report(const QHash<QString, long long>& messages) const;

  private:
    long long careers_ = 0;
    long long matches_ = 0;
    std::array<long long, 3> ends_{};
    std::array<std::vector<long long>, 4> matchesToReach_;
    std::map<int, std::pair<double, long long>> balances_;  // checkpoint: sum, careers
};
