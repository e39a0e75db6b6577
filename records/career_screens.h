#pragma once

#include <QObject>
#include <QPointer>

#include "core/career_host.h"
#include "core/main_screen.h"
#include "core/start_up.h"

struct Platform;

// Opens and closes the program's top-level screens: the main screen of the
// career in play, and what follows when a career ends.
class CareerScreens : public QObject, public CareerHost {
    Q_OBJECT
  public:
    explicit CareerScreens(Platform& platform);
    ~CareerScreens() override;

    // Opens the main screen on a new career built from the player's details.
    MainScreen* startCareer(const PlayerDetails& details);

    MainScreen* mainScreen() const { return main_; }
    bool programEnded() const { return ended_; }

    void endProgram() override;
    void playAgain() override;

  signals:
    void programEnding();

  private:
    void discardMainScreen();

    Platform& platform_;
    QPointer<MainScreen> main_;
    bool ended_ = false;
};
