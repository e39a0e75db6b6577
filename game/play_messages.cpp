// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/play_messages.h"

#include <QCoreApplication>

#include "game/money.h"
#include "game/play.h"
#include "game/shown_numbers.h"
#include "game/start_career.h"

QString noticeText(const Notice& notice) {
    switch (notice.kind) {
        case PlayNotice::promoted:
            return QCoreApplication::translate("Play", "You are selected in the %1 team.")
                .arg(teamName(notice.team));
        case PlayNotice::selectedForWorldCup:
            return QCoreApplication::translate("Play",
                                               "You are selected for the World Cup in the %1 team.")
                .arg(teamName(notice.team));
        case PlayNotice::notGoodEnough:
            return QCoreApplication::translate("Play", "You are not good enough at this level.");
        case PlayNotice::poorFielding:
            return QCoreApplication::translate("Play",
                                               "You are not selected due to poor fielding.");
        case PlayNotice::shortOfGear:
            return QCoreApplication::translate("Play",
                                               "You are short of proper cricket accessories.");
        case PlayNotice::unfit:
            return QCoreApplication::translate("Play", "You are unfit to play at this level.");
        case PlayNotice::dropped:
            return QCoreApplication::translate("Play", "You are dropped from the %1 team.")
                .arg(teamName(notice.team));
        case PlayNotice::caughtByTheEnquiry:
            return QCoreApplication::translate(
                "Play", "You're found guilty of match fixing in an enquiry. Your career is over.");
    }
    return QString();
}

QString bookieOfferQuestion(double bribe) {
    return QCoreApplication::translate(
               "Play", "A bookie offers you Rs. %1 if you play badly. Accept the offer?")
        .arg(shownMoney(bribe));
}

QString playAgainQuestion() {
    return QCoreApplication::translate("Play", "Do you want to play again?");
}

QString awardNotice(double award) {
    return QCoreApplication::translate("Play", "You are awarded Rs.%1 based on your performance.")
        .arg(shownMoney(award));
}
