#include "records/career_screens.h"

#include "core/main_screen.h"

CareerScreens::CareerScreens(Platform& platform) : platform_(platform) {}

CareerScreens::~CareerScreens() {
    delete main_;
}

MainScreen* CareerScreens::startCareer(const PlayerDetails& details) {
    discardMainScreen();
    main_ = new MainScreen(platform_, *this, details);
    main_->show();
    return main_;
}

void CareerScreens::endProgram() {
    ended_ = true;
    emit programEnding();
}

void CareerScreens::playAgain() {
    discardMainScreen();
}

void CareerScreens::discardMainScreen() {
    // The main screen may be inside one of its own handlers: delete it once
    // control is back in the event loop.
    if (main_) main_->deleteLater();
    main_ = nullptr;
}
