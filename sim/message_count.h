// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

// How often each message was put before the simulated player, by its exact
// text, over all the careers of a run: the notices of Play and of a match,
// and the questions he was asked.
class MessageCount {
  public:
    void shown(const QString& text) { ++counts_[text]; }

    const QHash<QString, long long>& counts() const { return counts_; }

  private:
    QHash<QString, long long> counts_;
};
