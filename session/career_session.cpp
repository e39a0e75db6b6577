// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/career_session.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

CareerSession::CareerSession(Career career, AutoSave autoSave, SaveTarget target,
                             CareerHistory history, HistoryLeftOut historyLeftOut)
    : career_(std::move(career)),
      history_(std::move(history)),
      autoSave_(std::move(autoSave)),
      target_(std::move(target)),
      savePath_(saveFilePath(target_.folder, autoSave_.fileName)),
      historyFile_(historyLeftOut) {
    claim_.recognise(savePath_, target_.loadedFrom);
}

SaveClaim::Check CareerSession::claimSaveFile() {
    if (!autoSave_.on) return {};
    return claim_.claim(savePath_);
}

QString CareerSession::historyPath() const {
    return historyFilePath(savePath_);
}

PlayOutcome CareerSession::play(RandomSource& random, const BookieQuestion& takesTheBookiesMoney) {
    // A new step of play: a match drawn before it is no longer to be played.
    drawnMatch_.reset();
    drawnMatchConfirmed_ = false;
    const PlayOutcome selection = selectForMatch(career_, random);
    if (selection.next != PlayNext::bookieOffer) return selection;
    const bool takesTheMoney = takesTheBookiesMoney(bookiesBribe);
    PlayOutcome answer = answerBookie(career_, takesTheMoney, random);
    answer.notices.insert(answer.notices.begin(), selection.notices.begin(),
                          selection.notices.end());
    return answer;
}

MatchPerformance CareerSession::drawMatch(RandomSource& random) {
    setDrawnMatch(::drawMatch(career_, random));
    return *drawnMatch_;
}

void CareerSession::setDrawnMatch(const MatchPerformance& match) {
    drawnMatch_ = match;
    drawnMatchConfirmed_ = false;
}

ConfirmedMatch CareerSession::confirmMatch() {
    ConfirmedMatch confirmed;
    if (!drawnMatch_) {
        confirmed.refused = MatchRefusal::noMatchDrawn;
        return confirmed;
    }
    if (drawnMatchConfirmed_) {
        confirmed.refused = MatchRefusal::alreadyConfirmed;
        return confirmed;
    }
    drawnMatchConfirmed_ = true;
    const MatchPerformance& match = *drawnMatch_;
    confirmed.award = applyMatch(career_, match);
    history_.append(takeHistoryRow(career_, match, confirmed.award));
    // The match's row reaches the history file before the save takes the
    // earlier one's place: a game stopped between the two leaves a row the
    // save does not know of, which a load leaves out, never a saved match
    // without its row.
    std::optional<QString> historyFailure;
    std::optional<KeptFile> historyKept;
    CareerSaved saved = save([&](const QString& saveKeptAs) {
        // A save kept aside just now takes a history kept aside with it.
        historyFailure = historyFile_.write(historyPath(), history_, saveKeptAs);
        historyKept = historyFile_.keptAside();
    });
    confirmed.saved = saved.saved;
    confirmed.saveFailure = std::move(saved.saveFailure);
    confirmed.keptAside = std::move(saved.keptAside);
    if (historyKept) confirmed.keptAside.push_back(*historyKept);
    if (confirmed.saved) {
        confirmed.historyFailure = std::move(historyFailure);
    } else if (historyFailure) {
        // The player hears of the save that failed; the history is tried
        // again with the next save, and told of then if it fails again.
        historyFile_.forgetFailure();
    }
    return confirmed;
}

CareerSaved CareerSession::save(const std::function<void(const QString&)>& beforeReplacing) {
    CareerSaved done;
    if (!autoSave_.on || claim_.savingOff()) return done;
    const SaveClaim::Preparation prepared = claim_.prepareToWrite(savePath_);
    if (prepared.kept) done.keptAside.push_back(*prepared.kept);
    if (prepared.refusal) {
        // A career that could not take its lock goes on without saves from
        // here, and is told so once, now.
        done.saveFailure = SaveFailure{QDir::toNativeSeparators(savePath_), *prepared.refusal};
        return done;
    }
    const PreparedSave ready = prepareSave(career_, autoSave_, target_.folder);
    if (ready.refusal) {
        done.saveFailure = ready.refusal;
        return done;
    }
    if (beforeReplacing)
        beforeReplacing(prepared.kept && prepared.kept->file == savePath_ ? prepared.kept->keptAs
                                                                          : QString());
    done.saveFailure = writePreparedSave(ready);
    done.saved = !done.saveFailure;
    if (done.saved) {
        claim_.written(savePath_);
        savedHere_ = true;
    }
    return done;
}

bool CareerSession::savesToItsOwnFile() const {
    const bool ownFile = savedHere_ || (!target_.loadedFrom.isEmpty() &&
                                        QFileInfo(target_.loadedFrom) == QFileInfo(savePath_));
    return autoSave_.on && !claim_.savingOff() && ownFile;
}

HallOfFameUpdate CareerSession::enterHallOfFame(CareerEnding ending) {
    if (!savesToItsOwnFile()) return {};
    const FameEntry entry = fameEntryOf(summarise(career_, history_, ending), autoSave_.fileName,
                                        QDateTime::currentDateTimeUtc());
    return rememberInHallOfFame(hallOfFamePath(target_.folder), {entry});
}

ConfirmedPurchase CareerSession::confirmPurchase(const Purchase& purchase) {
    const Career before = career_;
    ConfirmedPurchase confirmed{::confirmPurchase(career_, purchase), {}};
    if (career_ != before) confirmed.save = save();
    return confirmed;
}

TakenSponsor CareerSession::takeSponsor(int index) {
    const Career before = career_;
    TakenSponsor taken{::takeSponsor(career_, index), {}};
    if (career_ != before) taken.save = save();
    return taken;
}
