// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/screenshots/raised_messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "app/message_prompter.h"
#include "app/screen_navigator.h"
#include "game/play.h"
#include "game/play_messages.h"
#include "game/start_career.h"
#include "saves/auto_save.h"
#include "saves/career_file.h"
#include "saves/career_lock.h"
#include "saves/history_file.h"
#include "saves/save_career.h"
#include "saves/save_file.h"
#include "screens/career_in_play.h"
#include "screens/command_button.h"
#include "screens/main_screen.h"
#include "screens/match_screen.h"
#include "screens/platform.h"
#include "screens/player_screen.h"
#include "screens/purchase_screen.h"
#include "screens/units_scroll_bar.h"
#include "session/career_session.h"
#include "tools/screenshots/sample_career.h"
#include "tools/screenshots/stand_ins.h"

namespace {

const QString otherPlayer = QStringLiteral("Arjun Kapoor");
const QString notANumber = QStringLiteral("lots");

using Visit = std::function<void(QWidget&, const QString&)>;

// Builds each message as the desktop's prompter does and hands it to the
// visit instead of waiting for an answer. The Load dialog picks the files
// queued for it, one a press.
class ShowingPrompter final : public Prompter {
  public:
    explicit ShowingPrompter(const Visit& visit) : visit_(visit) {}

    QStringList filesToLoad;
    // The scenes that raised nothing, which the walk was meant to show.
    QStringList silentScenes;

    // What raises the messages from now on.
    void enter(const QString& scene) {
        leave();
        scene_ = scene;
        raised_ = 0;
    }
    void leave() {
        if (!scene_.isEmpty() && raised_ == 0) silentScenes << scene_;
        scene_.clear();
    }

    void notice(QWidget* owner, const QString& text) override {
        const auto box = noticeBox(owner, text);
        show(*box);
    }
    void noticeWithDetails(QWidget* owner, const QString& text, const QString& details) override {
        const auto box = noticeBox(owner, text);
        box->setDetailedText(details);
        show(*box);
    }
    bool question(QWidget* owner, const QString& text, Answer byDefault) override {
        const auto box = questionBox(owner, text, byDefault);
        show(*box);
        return false;
    }
    QString chooseFileToOpen(QWidget*, const QString&, const QString&, const QString&) override {
        return filesToLoad.isEmpty() ? QString() : filesToLoad.takeFirst();
    }
    QString chooseCareerToLoad(QWidget* owner, const QString& title, const QString& folder,
                               const QString& filter, const QString&) override {
        return chooseFileToOpen(owner, title, folder, filter);
    }

  private:
    void show(QWidget& box) {
        ++raised_;
        visit_(box, scene_);
    }

    const Visit& visit_;
    QString scene_;
    int raised_ = 0;
};

void settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void press(QAbstractButton* button) {
    button->click();
    settle();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

Career sampleCareer(RandomSource& random) {
    Career career = startCareer(sampleDetails(), random);
    playSampleSeason(career, random);
    return career;
}

// The sample career's auto-save: on, to the file named after its player.
AutoSave sampleAutoSave() {
    return autoSaveOf(sampleDetails());
}

void raiseFillIn(ShowingPrompter& prompter) {
    prompter.enter(QStringLiteral("player: a field left empty"));
    PlayerScreen player(prompter);
    player.show();
    press(player.command(PlayerScreen::Start));
}

void raiseShortOfMoney(ShowingPrompter& prompter, Platform& platform) {
    MainScreen main(platform, sampleCareer(platform.random));
    main.career().update([](Career& career) { career.bankBalance = 0; });
    const std::pair<PurchaseScreen::Centre, const char*> centres[] = {
        {PurchaseScreen::training, "training"},
        {PurchaseScreen::store, "store"},
        {PurchaseScreen::health, "health"}};
    for (const auto& [centre, name] : centres) {
        prompter.enter(QStringLiteral("%1: short of money").arg(QString::fromLatin1(name)));
        PurchaseScreen screen(centre, main.career(), prompter, &main);
        screen.show();
        for (int row = 0; row < screen.rowCount(); ++row)
            screen.scrollBar(row)->setValue(screen.scrollBar(row)->maximum());
        press(screen.okButton());
    }
}

// The sample career, saving itself to the folder, confirms a match.
void confirmMatchSavedTo(Platform& platform, const QString& saves) {
    MainScreen main(platform, sampleCareer(platform.random), sampleAutoSave(),
                    SaveTarget{saves, false, {}});
    main.show();
    main.claimSaveFile();
    MatchScreen match(main.career(), platform, &main);
    match.show();
    press(match.okButton());
}

// A match whose save fails: no folder can be made beneath a regular file.
void raiseSaveFailure(ShowingPrompter& prompter, Platform& platform, const QDir& scratch) {
    prompter.enter(QStringLiteral("match: its save fails"));
    const QString blocker = scratch.filePath(QStringLiteral("not-a-folder"));
    if (!writeFile(blocker, "x")) return;
    confirmMatchSavedTo(platform, blocker + QStringLiteral("/Saves"));
}

// A match saved whose history cannot be kept: a folder stands where the
// history file goes.
void raiseHistoryFailure(ShowingPrompter& prompter, Platform& platform, const QDir& scratch) {
    prompter.enter(QStringLiteral("match: its history cannot be kept"));
    const QString saves = scratch.filePath(QStringLiteral("Kept/Saves"));
    if (!QDir().mkpath(historyFilePath(saveFilePath(saves, sampleAutoSave().fileName)))) return;
    confirmMatchSavedTo(platform, saves);
}

// The career's save file holds another career, or something else, or the
// career is open in another copy of the game.
void raiseSaveClaims(ShowingPrompter& prompter, Platform& platform, const QDir& scratch) {
    Career other = startCareer(sampleDetails(), platform.random);
    other.player = otherPlayer;
    const QString saves = scratch.filePath(QStringLiteral("Saves"));
    CareerSession otherSession(other, sampleAutoSave(), SaveTarget{saves, false, {}});
    otherSession.setDrawnMatch(MatchPerformance{10, 1, 0});
    otherSession.confirmMatch();

    prompter.enter(QStringLiteral("main: another career's save"));
    {
        MainScreen main(platform, sampleCareer(platform.random), sampleAutoSave(),
                        SaveTarget{saves, false, {}});
        main.show();
        main.claimSaveFile();
    }

    prompter.enter(QStringLiteral("main: a file that is no save"));
    const QString elsewhere = scratch.filePath(QStringLiteral("Elsewhere"));
    Career career = sampleCareer(platform.random);
    if (QDir().mkpath(elsewhere) &&
        writeFile(saveFilePath(elsewhere, sampleAutoSave().fileName), "notes")) {
        MainScreen main(platform, career, sampleAutoSave(), SaveTarget{elsewhere, false, {}});
        main.show();
        main.claimSaveFile();
    }

    prompter.enter(QStringLiteral("main: open in another copy"));
    const QString locked = scratch.filePath(QStringLiteral("Locked"));
    CareerLock anotherCopy;
    if (anotherCopy.take(saveFilePath(locked, sampleAutoSave().fileName)).taking ==
        CareerLock::Taking::taken) {
        // Held on a handle of its own: as good as another copy's.
        MainScreen main(platform, career, sampleAutoSave(), SaveTarget{locked, false, {}});
        main.show();
        main.claimSaveFile();
    }
}

// Load refusing a folder, a file too large to be a save, a file that is not
// one and a save with a figure that is not a number.
void raiseLoadRefusals(ShowingPrompter& prompter, Platform& platform, const QDir& scratch) {
    prompter.enter(QStringLiteral("load: refused"));
    const QString tooLarge = scratch.filePath(QStringLiteral("large.bsg"));
    const QString notASave = scratch.filePath(QStringLiteral("letter.bsg"));
    const QString damaged = scratch.filePath(QStringLiteral("damaged.bsg"));
    SaveFile damagedSave = saveFileOf(sampleCareer(platform.random), true);
    SaveFile tooLargeSave = damagedSave;
    damagedSave.setLine(saveLine::bankbalance, notANumber);
    // A name running past the most the reader reads.
    tooLargeSave.setLine(saveLine::player, QString(maxSaveFileBytes, QLatin1Char('A')));
    if (!writeFile(tooLarge, encodeSaveFile(tooLargeSave)) || !writeFile(notASave, "Dear Arjun") ||
        !writeFile(damaged, encodeSaveFile(damagedSave)))
        return;
    prompter.filesToLoad = {scratch.path(), tooLarge, notASave, damaged};
    ScreenNavigator screens(platform);
    screens.start();
    press(screens.creditsScreen()->continueButton());
    while (!prompter.filesToLoad.isEmpty())
        press(screens.playerScreen()->command(PlayerScreen::Load));
}

// Presses of Play: a promotion; a club player short of gear, dropped and
// asked whether to play again; a match saved in the player's own folder, as
// the folder beside the game refused saves.
void pressPlay(ShowingPrompter& prompter, Platform& platform, const QDir& scratch) {
    prompter.enter(QStringLiteral("play: promoted"));
    {
        Career career = startCareer(sampleDetails(), platform.random);
        career.skills = Skills{200, 200, 200};
        MainScreen main(platform, career);
        main.show();
        press(main.command(MainScreen::Play));
    }
    prompter.enter(QStringLiteral("play: dropped from the club"));
    {
        Career career = startCareer(sampleDetails(), platform.random);
        career.gear.bat = 0;
        MainScreen main(platform, career);
        main.show();
        press(main.command(MainScreen::Play));
    }
    prompter.enter(QStringLiteral("play: saved in the player's folder"));
    {
        Career career = sampleCareer(platform.random);
        // Fit to be picked.
        career.gear = {};
        career.body = {};
        MainScreen main(platform, career, sampleAutoSave(),
                        SaveTarget{scratch.filePath(QStringLiteral("Home/Saves")), true, {}});
        main.show();
        main.claimSaveFile();
        // The match screen waits for its OK in an event loop of its own.
        QTimer::singleShot(0, &main, [] {
            if (auto* match = qobject_cast<MatchScreen*>(QApplication::activeModalWidget()))
                match->okButton()->click();
        });
        press(main.command(MainScreen::Play));
    }
}

// What else Play tells and asks, with a club the game drew and a team the
// player named, as the main screen shows it.
void raisePlayMessages(ShowingPrompter& prompter, Platform& platform) {
    MainScreen main(platform, sampleCareer(platform.random));
    main.show();
    prompter.enter(QStringLiteral("play"));
    prompter.question(&main, bookieOfferQuestion(bookiesBribe), Prompter::Answer::no);
    prompter.question(&main, playAgainQuestion(), Prompter::Answer::yes);
    prompter.notice(&main, awardNotice(1500));
    const PlayNotice notices[] = {PlayNotice::promoted,      PlayNotice::selectedForWorldCup,
                                  PlayNotice::notGoodEnough, PlayNotice::poorFielding,
                                  PlayNotice::shortOfGear,   PlayNotice::unfit,
                                  PlayNotice::dropped,       PlayNotice::caughtByTheEnquiry};
    for (const PlayNotice kind : notices) {
        prompter.notice(&main, noticeText({kind, QString::fromLatin1(clubNames[1])}));
        prompter.notice(&main, noticeText({kind, sampleDetails().city}));
    }
}

}  // namespace

QStringList raiseMessages(const Visit& visit) {
    ShowingPrompter prompter(visit);
    FixedDraws random;
    IdleOpener opener;
    QTemporaryDir programFolder;
    if (!programFolder.isValid()) return {QStringLiteral("a folder for the files")};
    const QDir scratch(programFolder.path());
    Platform platform{prompter, random, opener, programFolder.path()};

    raiseFillIn(prompter);
    raiseShortOfMoney(prompter, platform);
    raiseSaveFailure(prompter, platform, scratch);
    raiseHistoryFailure(prompter, platform, scratch);
    raiseSaveClaims(prompter, platform, scratch);
    raiseLoadRefusals(prompter, platform, scratch);
    pressPlay(prompter, platform, scratch);
    raisePlayMessages(prompter, platform);
    prompter.leave();
    return prompter.silentScenes;
}

QStringList quotedInMessages() {
    return {otherPlayer, notANumber};
}
