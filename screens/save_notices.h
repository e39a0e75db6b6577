// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <optional>
#include <vector>

#include "saves/save_career.h"
#include "saves/set_aside.h"

class Prompter;
class QWidget;

// What the player is told of a save made after his match, a purchase or a
// sponsor taken: why it failed, and which files another program changed were
// kept aside for the save to take their place.
class SaveNotices {
    Q_DECLARE_TR_FUNCTIONS(SaveNotices)
  public:
    static void show(Prompter& prompter, QWidget* owner, const std::optional<SaveFailure>& failure,
                     const std::vector<KeptFile>& keptAside);
    // The sentences themselves, for the news of a run of matches.
    static QString failureText(const SaveFailure& failure);
    static QString keptText(const KeptFile& kept);
};
