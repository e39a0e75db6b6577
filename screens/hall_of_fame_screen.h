// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "game/hall_of_fame.h"
#include "saves/hall_of_fame_file.h"

class QTabWidget;
class QTableView;
class Prompter;

// The best careers ever played in the Saves folder, in five tables: most
// runs, most wickets, highest level reached, longest career, richest.
class HallOfFameScreen : public QDialog {
    Q_OBJECT
  public:
    // How many careers each list shows.
    static constexpr std::size_t listLength = 10;

    // The hall of fame of a Saves folder the game cannot write to, shown
    // among the careers with each of its own marked read-only.
    struct ReadOnlyHall {
        QString folder;
        // Where new saves go instead.
        QString savesTo;
        std::vector<FameEntry> careers;
    };

    HallOfFameScreen(const std::vector<FameEntry>& careers, QWidget* owner,
                     const ReadOnlyHall& readOnly = {});

    QTableView* table(FameList list) const { return tables_.at(static_cast<std::size_t>(list)); }
    QTabWidget* lists() const { return tabs_; }

  private:
    void describe(std::size_t careers);
    QTabWidget* tabs_ = nullptr;
    std::array<QTableView*, fameListCount> tables_{};
};

// Brings the folder's hall of fame up to the careers saved there, tells the
// player of a damaged file set aside or one that could not be written, and
// shows it until he closes it; with the read-only folder's careers too, when
// one is given.
void showHallOfFame(const QString& folder, Prompter& prompter, QWidget* owner,
                    const QString& readOnlyFolder = QString());

// Tells the player what bringing the hall of fame's file up to date came
// to, when there is something to tell: a damaged file set aside, a file that
// could not be written.
void tellHallOfFameUpdate(const HallOfFameUpdate& update, Prompter& prompter, QWidget* owner);
