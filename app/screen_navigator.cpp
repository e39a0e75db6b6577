// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screen_navigator.h"

#include <QDir>
#include <QFileInfo>

#include "game/start_career.h"
#include "saves/career_file.h"
#include "saves/file_names.h"
#include "saves/file_system.h"
#include "saves/save_file.h"
#include "saves/saves_folder.h"
#include "saves/stale_files.h"
#include "screens/hall_of_fame_screen.h"
#include "screens/platform.h"
#include "screens/prompter.h"
#include "screens/shown_active.h"
#include "screens/window_place.h"
#include "session/load_career.h"

ScreenNavigator::ScreenNavigator(Platform& platform) : platform_(platform) {
    removeStaleTemporaryFiles(savesFolder(platform_.programFolder));
}

ScreenNavigator::~ScreenNavigator() {
    delete main_;
    delete player_;
    delete credits_;
}

void ScreenNavigator::start() {
    delete credits_;
    credits_ = new CreditsScreen(CreditsScreen::atStartUp, platform_.opener, platform_.prompter);
    connect(credits_, &CreditsScreen::continuedAtStartUp, this, &ScreenNavigator::showPlayerScreen);
    connect(credits_, &QDialog::finished, this, &ScreenNavigator::creditsClosed);
    if (lastPlace_.isValid()) openCentredOn(credits_, lastPlace_);
    showActive(credits_);
}

void ScreenNavigator::backToCredits() {
    if (player_) lastPlace_ = player_->frameGeometry();
    discardPlayerScreen();
    start();
}

void ScreenNavigator::creditsClosed() {
    if (credits_) credits_->deleteLater();
    credits_ = nullptr;
    // Closed through the window system rather than Continue: no screen is left.
    if (!player_ && !main_) endProgram();
}

void ScreenNavigator::showPlayerScreen() {
    // The player screen takes the place of the credits it follows, which are
    // still closing (or of the main screen of a career just ended), rather
    // than wherever the window system finds room.
    if (credits_) lastPlace_ = credits_->frameGeometry();
    discardPlayerScreen();
    player_ = new PlayerScreen(platform_.prompter);
    connect(player_, &PlayerScreen::startRequested, this, &ScreenNavigator::startNewCareer);
    connect(player_, &PlayerScreen::loadRequested, this, &ScreenNavigator::loadCareer);
    connect(player_, &PlayerScreen::hallOfFameRequested, this, &ScreenNavigator::showHallOfFame);
    connect(player_, &PlayerScreen::exitRequested, this, &ScreenNavigator::endProgram);
    connect(player_, &PlayerScreen::backRequested, this, &ScreenNavigator::backToCredits);
    if (lastPlace_.isValid()) openCentredOn(player_, lastPlace_);
    showActive(player_);
}

void ScreenNavigator::startNewCareer() {
    const PlayerDetails details = player_->details();
    startCareer(::startCareer(details, platform_.random), autoSaveOf(details),
                saveTarget(platform_.programFolder));
}

void ScreenNavigator::loadCareer() {
    // The list opens on the Saves folder even before the first career is
    // saved there.
    const QString saves = savesFolder(platform_.programFolder);
    makeFolder(saves);
    const QString path = platform_.prompter.chooseCareerToLoad(
        player_, tr("Bailcrest: Load Game"), QDir::toNativeSeparators(saves),
        //: The Load dialog's file type. %1 is the file pattern, which Qt reads
        //: back from between the parentheses: keep it there, at the end.
        tr("Bailcrest Saves (%1)").arg(QLatin1Char('*') + saveFileEnding),
        readOnlySavesFolder(platform_.programFolder));
    const QFileInfo chosen(path);
    if (path.isEmpty() || !chosen.exists()) return;
    // A pipe, device or folder is never opened: reading a pipe would wait
    // for a writer that may never come.
    if (!chosen.isFile()) {
        platform_.prompter.notice(player_, notASaveFileNotice());
        return;
    }

    CareerLoading loading = ::loadCareer(path, platform_.programFolder, platform_.random);
    if (!loading.loaded) {
        platform_.prompter.notice(player_, loading.error);
        return;
    }
    LoadedCareer& loaded = *loading.loaded;
    player_->showDetails(loaded.details);
    startCareer(std::move(loaded.career), loaded.autoSave, loaded.target,
                std::move(loaded.history));
}

void ScreenNavigator::showHallOfFame() {
    ::showHallOfFame(hallOfFameFolder(platform_.programFolder), platform_.prompter, player_,
                     readOnlySavesFolder(platform_.programFolder));
}

void ScreenNavigator::startCareer(Career career, const AutoSave& autoSave,
                                  const SaveTarget& saveTarget, HistoryReading history) {
    discardMainScreen();
    discardPlayerScreen();
    main_ = new MainScreen(platform_, std::move(career), autoSave, saveTarget, std::move(history));
    main_->keepHistoryPlaceIn(historyPlace_);
    // Queued, so that the main screen has left its own handler before it goes.
    connect(main_, &MainScreen::careerEnded, this, &ScreenNavigator::careerEnded,
            Qt::QueuedConnection);
    connect(main_, &MainScreen::exitRequested, this, &ScreenNavigator::endProgram);
    showActive(main_);
    main_->claimSaveFile();
}

void ScreenNavigator::careerEnded(bool playAgain) {
    if (!playAgain) {
        endProgram();
        return;
    }
    if (main_) lastPlace_ = main_->frameGeometry();
    discardMainScreen();
    showPlayerScreen();
}

void ScreenNavigator::endProgram() {
    ended_ = true;
    emit programEnding();
}

void ScreenNavigator::discardPlayerScreen() {
    // Hidden rather than closed: closing it is the player's way out of the
    // program. It may be inside its own Start handler, so it goes once control
    // is back in the event loop.
    if (player_) {
        player_->hide();
        player_->deleteLater();
    }
    player_ = nullptr;
}

void ScreenNavigator::discardMainScreen() {
    if (main_) {
        main_->hide();
        main_->deleteLater();
    }
    main_ = nullptr;
}
