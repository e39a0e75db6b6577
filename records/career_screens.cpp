#include "records/career_screens.h"

#include "core/main_screen.h"
#include "saves/load_data.h"
#include "saves/saves_folder.h"
#include "ui/platform.h"

CareerScreens::CareerScreens(Platform& platform) : platform_(platform) {}

CareerScreens::~CareerScreens() {
    delete main_;
    delete profile_;
    delete credits_;
}

void CareerScreens::start() {
    delete credits_;
    credits_ = new About(platform_.opener);
    connect(credits_, &About::continuedAtStartUp, this, &CareerScreens::showPlayerScreen);
    connect(credits_, &QDialog::finished, this, &CareerScreens::creditsClosed);
    credits_->show();
}

void CareerScreens::creditsClosed() {
    if (credits_) credits_->deleteLater();
    credits_ = nullptr;
    // Closed through the window system rather than Continue: no screen is left.
    if (!profile_ && !main_) endProgram();
}

MainScreen* CareerScreens::startCareer(const PlayerDetails& details) {
    discardMainScreen();
    discardPlayerScreen();
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
    showPlayerScreen();
}

void CareerScreens::showPlayerScreen() {
    discardPlayerScreen();
    profile_ = new Profile(platform_.prompter);
    connect(profile_, &Profile::startRequested, this, [this] { startCareer(profile_->details()); });
    connect(profile_, &Profile::loadRequested, this, &CareerScreens::loadCareer);
    connect(profile_, &Profile::exitRequested, this, &CareerScreens::endProgram);
    profile_->show();
}

void CareerScreens::loadCareer() {
    const LoadHooks hooks{
        [this](const PlayerDetails& details) {
            profile_->setName(details.name);
            profile_->setCity(details.city);
            profile_->setState(details.state);
            profile_->setCountry(details.country);
            profile_->setSkillDisplay(0, QString::number(details.batting));
            profile_->setSkillDisplay(1, QString::number(details.bowling));
            profile_->setSkillDisplay(2, QString::number(details.fielding));
            profile_->setAutoSave(details.autoSave);
        },
        // The file's own details start the career: a hand-made file may
        // hold names longer than the player screen's fields take.
        [this](const PlayerDetails& details) -> Career& { return startCareer(details)->career(); }};
    LoadData(platform_.prompter, savesFolder(platform_.programFolder), hooks);
}

void CareerScreens::discardPlayerScreen() {
    // Hidden rather than closed: closing it is the player's way out of the
    // program. It may be inside its own Start handler, so it goes once control
    // is back in the event loop.
    if (profile_) {
        profile_->hide();
        profile_->deleteLater();
    }
    profile_ = nullptr;
}

void CareerScreens::discardMainScreen() {
    // The main screen may be inside one of its own handlers: delete it once
    // control is back in the event loop.
    if (main_) main_->deleteLater();
    main_ = nullptr;
}
