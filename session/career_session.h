// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

#include "game/career.h"
#include "game/career_summary.h"
#include "game/history.h"
#include "game/match.h"
#include "game/play.h"
#include "game/purchase.h"
#include "game/sponsorship.h"
#include "saves/auto_save.h"
#include "saves/hall_of_fame_file.h"
#include "saves/history_file.h"
#include "saves/save_career.h"
#include "saves/save_claim.h"
#include "saves/saves_folder.h"

class RandomSource;

// Why a match was not confirmed.
enum class MatchRefusal {
    noMatchDrawn,      // no match has been drawn since the last press of Play
    alreadyConfirmed,  // the match drawn has been confirmed already
};

// What saving the career after a change came to.
struct CareerSaved {
    // Whether the save file was written: not with auto-save off, not while
    // the career does not save in this game, and not when the save failed.
    bool saved = false;
    std::optional<SaveFailure> saveFailure;
    // The save file, when another program changed it since this game last
    // read or wrote it, kept aside before the save took its place.
    std::vector<KeptFile> keptAside;
};

// What OK on a purchase centre came to, and, when the career changed, what
// saving it came to.
struct ConfirmedPurchase {
    PurchaseOutcome outcome = PurchaseOutcome::shortOfMoney;
    CareerSaved save;
};

// What OK on the sponsorship offers came to, and, when the career changed,
// what saving it came to.
struct TakenSponsor {
    SponsorOutcome outcome = SponsorOutcome::notOffered;
    CareerSaved save;
};

// What confirming a match came to.
struct ConfirmedMatch {
    // Set when the match was refused: then nothing was applied or written.
    std::optional<MatchRefusal> refused;
    // The performance award the match earned (0 for none).
    double award = 0;
    // Whether the save file was written: not with auto-save off, not while
    // the career does not save in this game, and not when the save failed.
    bool saved = false;
    std::optional<SaveFailure> saveFailure;
    // Why the history file could not be kept, the first time it could not.
    std::optional<QString> historyFailure;
    // Files another program changed since this game last read or wrote
    // them, kept aside before the save and the history took their place.
    std::vector<KeptFile> keptAside;
};

// One career in play: the career, its history and the files it keeps, and
// the one place where it is played. A press of Play, the match it leads to,
// purchases and sponsors all go through here, so that the main screen, the
// match screen and the simulator play a career alike and none of them steps
// through the rules on its own.
class CareerSession {
  public:
    // With auto-save on, the career saves itself to the target's folder; its
    // history so far comes along, with what was left out of its file when
    // it was read.
    explicit CareerSession(Career career, AutoSave autoSave = {}, SaveTarget target = {},
                           CareerHistory history = {}, HistoryLeftOut historyLeftOut = {});

    const Career& career() const { return career_; }
    const CareerHistory& history() const { return history_; }
    const HistoryLeftOut& historyLeftOut() const { return historyFile_.leftOutWhenRead(); }
    const AutoSave& autoSave() const { return autoSave_; }
    const SaveTarget& saveTarget() const { return target_; }
    // The save file the career writes after every match, with auto-save on.
    const QString& savePath() const { return savePath_; }
    QString historyPath() const;

    // When the career starts, with auto-save on: takes the career's save for
    // this copy of the game and tells what stands there (SaveClaim). With
    // auto-save off there is nothing to claim.
    SaveClaim::Check claimSaveFile();
    // The player's answer to replacing another file found at the save path;
    // keeping it turns auto-save off for this game.
    void answerReplace(bool replace) { claim_.answer(replace); }
    // The player's answer to a lock written by a copy on another computer:
    // taking the career over looks at the save path as claimSaveFile()
    // does; keeping the lock leaves this game without saves.
    SaveClaim::Check answerTakeOver(bool take) { return claim_.takeOver(savePath_, take); }
    // Why the career does not save in this game, while it does not.
    const std::optional<SaveClaim::SavingOff>& whySavingOff() const {
        return claim_.whySavingOff();
    }

    // Asks the player whether he takes the bookie's bribe, in rupees; true if
    // he does.
    using BookieQuestion = std::function<bool(double bribe)>;

    // A press of Play: selection, then promotion, a drop or the match day,
    // where the bookie's offer, when one is made, is put to the question. The
    // notices tell what happened, in order; next is what follows: nothing,
    // the match (drawMatch(), then confirmMatch()) or the end of the career.
    PlayOutcome play(RandomSource& random, const BookieQuestion& takesTheBookiesMoney);

    // Draws the runs, wickets and catches of the match the player was
    // selected for; the career does not change until the match is confirmed.
    // The match drawn last is the one confirmMatch() plays.
    MatchPerformance drawMatch(RandomSource& random);
    // A match of the caller's choosing that stands as the one drawn, for
    // setting a career up in a given state (sample careers, tests); it is
    // confirmed once, as a drawn match is.
    void setDrawnMatch(const MatchPerformance& match);

    // OK on the drawn match: applies it to the career and adds its row to the
    // history; then, with auto-save on, brings the history file up to date
    // and writes the save file, the row on disk before the save replaces the
    // earlier one (a save refused before it is written writes no row). With auto-save off, or when
    // the career does not save in this game, nothing is written and no folder
    // is created; a file there that is not the career's own is replaced only
    // as the save claim allows. A match is played once: with no match drawn
    // since the last press of Play, or with the one drawn already confirmed,
    // the confirmation is refused and nothing changes.
    ConfirmedMatch confirmMatch();

    // The career is being saved in a file of its own: auto-save is on, it
    // saves in this game, and the file it saves to is its own (written in
    // this game, or the one it was loaded from).
    bool savesToItsOwnFile() const;

    // The end of the career, as it came: taken into the hall of fame of the
    // folder it saves to, when it is being saved in a file of its own.
    HallOfFameUpdate enterHallOfFame(CareerEnding ending);

    // OK on a purchase centre. With auto-save on, a purchase that was paid
    // saves the career as a match does, so that what the player bought is
    // not lost when he leaves before his next match; the history file does
    // not change, as a purchase adds no row to it.
    ConfirmedPurchase confirmPurchase(const Purchase& purchase);
    // OK on the sponsorship offers with the sponsor at the index chosen; one
    // that makes no offer is refused, and nothing changes. A sponsor taken
    // saves the career, with auto-save on, as a purchase does.
    TakenSponsor takeSponsor(int index);

    // A change no rule of the game makes, for setting a career up in a given
    // state (sample careers, tests), to the career alone or with its history.
    template <typename Change>
    void changeCareer(Change&& change) {
        if constexpr (std::is_invocable_v<Change, Career&, CareerHistory&>) {
            std::forward<Change>(change)(career_, history_);
        } else {
            std::forward<Change>(change)(career_);
        }
    }

  private:
    // With auto-save on, while the career saves in this game: writes the save
    // file, keeping aside what another program made of it. What must be on
    // disk before the new file takes the earlier one's place is done in
    // between, once the save is known to be written, told the name the save
    // was just kept aside as, if it was.
    CareerSaved save(const std::function<void(const QString& saveKeptAs)>& beforeReplacing = {});

    Career career_;
    CareerHistory history_;
    AutoSave autoSave_;
    SaveTarget target_;
    QString savePath_;
    HistoryFile historyFile_;
    SaveClaim claim_;
    bool savedHere_ = false;
    // The match drawn for this step of play, and whether it has been played.
    std::optional<MatchPerformance> drawnMatch_;
    bool drawnMatchConfirmed_ = false;
};
