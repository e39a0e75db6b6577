#pragma once

#include <QObject>
#include <QPointer>

#include "core/career_host.h"
#include "core/main_screen.h"
#include "core/start_up.h"
#include "records/about_screen.h"
#include "saves/profile_screen.h"

struct Platform;

// The one place that opens and closes the program's top-level screens: the
// credits the program starts with, the player screen, the main screen of the
// career in play, and what follows when a career ends.
class CareerScreens : public QObject, public CareerHost {
    Q_OBJECT
  public:
    explicit CareerScreens(Platform& platform);
    ~CareerScreens() override;

    // Shows the start-up credits, whose Continue leads to the player screen.
    void start();

    // Opens the main screen on a new career built from the player's details;
    // the player screen closes as the career starts.
    MainScreen* startCareer(const PlayerDetails& details);

    About* creditsScreen() const { return credits_; }
    Profile* playerScreen() const { return profile_; }
    MainScreen* mainScreen() const { return main_; }
    bool programEnded() const { return ended_; }

    void endProgram() override;
    void playAgain() override;

  signals:
    void programEnding();

  private:
    void creditsClosed();
    void showPlayerScreen();
    void loadCareer();
    void discardPlayerScreen();
    void discardMainScreen();

    Platform& platform_;
    QPointer<About> credits_;
    QPointer<Profile> profile_;
    QPointer<MainScreen> main_;
    bool ended_ = false;
};
