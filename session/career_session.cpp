// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/career_session.h"

#include <QDir>

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
    const PlayOutcome selection = selectForMatch(career_, random);
    if (selection.next != PlayNext::bookieOffer) return selection;
    const bool takesTheMoney = takesTheBookiesMoney(bookiesBribe);
    PlayOutcome answer = answerBookie(career_, takesTheMoney, random);
    answer.notices.insert(answer.notices.begin(), selection.notices.begin(),
                          selection.notices.end());
    return answer;
}

MatchPerformance CareerSession::drawMatch(RandomSource& random) const {
    return ::drawMatch(career_, random);
}

ConfirmedMatch CareerSession::confirmMatch(const MatchPerformance& match) {
    ConfirmedMatch confirmed;
    confirmed.award = applyMatch(career_, match);
    history_.append(takeHistoryRow(career_, match, confirmed.award));
    if (!autoSave_.on || claim_.savingOff()) return confirmed;
    if (const auto refusal = claim_.prepareToWrite(savePath_)) {
        confirmed.saveFailure = SaveFailure{QDir::toNativeSeparators(savePath_), *refusal};
        return confirmed;
    }
    confirmed.saveFailure = saveCareer(career_, autoSave_, target_.folder);
    confirmed.saved = !confirmed.saveFailure;
    if (confirmed.saved) {
        claim_.written(savePath_);
        confirmed.historyFailure = historyFile_.keep(historyPath(), history_);
    }
    return confirmed;
}

PurchaseOutcome CareerSession::confirmPurchase(const Purchase& purchase) {
    return ::confirmPurchase(career_, purchase);
}

SponsorOutcome CareerSession::takeSponsor(int index) {
    return ::takeSponsor(career_, index);
}
