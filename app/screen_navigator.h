// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

#include "game/career.h"
#include "game/history.h"
#include "saves/auto_save.h"
#include "saves/history_file.h"
#include "saves/saves_folder.h"
#include "screens/credits_screen.h"
#include "screens/main_screen.h"
#include "screens/player_screen.h"
#include "screens/remembered_place.h"

struct Platform;

// The one place that opens and closes the program's top-level screens: the
// credits the program starts with, the player screen, the main screen of the
// career in play, and what follows when a career ends. A screen that asks
// for the next one is closed only once its own handler has returned.
class ScreenNavigator : public QObject {
    Q_OBJECT
  public:
    explicit ScreenNavigator(Platform& platform);
    ~ScreenNavigator() override;

    // Shows the start-up credits, whose Continue leads to the player screen.
    void start();

    CreditsScreen* creditsScreen() const { return credits_; }
    PlayerScreen* playerScreen() const { return player_; }
    MainScreen* mainScreen() const { return main_; }
    bool programEnded() const { return ended_; }

  signals:
    void programEnding();

  private:
    void creditsClosed();
    void showPlayerScreen();
    void backToCredits();
    void startNewCareer();
    void loadCareer();
    void showHallOfFame();
    void startCareer(Career career, const AutoSave& autoSave, const SaveTarget& saveTarget,
                     HistoryReading history = {});
    void careerEnded(bool playAgain);
    void endProgram();
    void discardPlayerScreen();
    void discardMainScreen();

    Platform& platform_;
    QPointer<CreditsScreen> credits_;
    QPointer<PlayerScreen> player_;
    QPointer<MainScreen> main_;
    bool ended_ = false;
    // Where the screen the next one takes the place of stood.
    QRect lastPlace_;
    // Where the player left the History window, for every career of the run.
    RememberedPlace historyPlace_;
};
