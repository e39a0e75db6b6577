// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/play_messages.h"

#include <QCoreApplication>
#include <cstdint>

#include "game/money.h"
#include "game/play.h"
#include "game/selection.h"
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

QString shortfallText(const Shortfall& shortfall) {
    const QString value = shownNumber(shortfall.value);
    const QString needed = shownNumber(shortfall.needed);
    const QString missing = shownNumber(std::int64_t{shortfall.needed} - shortfall.value);
    const auto gear = [&](const char* sentence) {
        return QCoreApplication::translate("Play", sentence).arg(value, needed);
    };
    switch (shortfall.figure) {
        case Shortfall::overallSkill:
            return QCoreApplication::translate("Play",
                                               "Overall skill %1, %2 short of the %3 needed.")
                .arg(value, missing, needed);
        case Shortfall::fielding:
            return QCoreApplication::translate("Play", "Fielding %1, %2 short of the %3 needed.")
                .arg(value, missing, needed);
        case Shortfall::bat:
            return gear(QT_TRANSLATE_NOOP(
                "Play", "Bat worn down to %1; each item of gear must be at least %2."));
        case Shortfall::gloves:
            return gear(QT_TRANSLATE_NOOP(
                "Play", "Gloves worn down to %1; each item of gear must be at least %2."));
        case Shortfall::pads:
            return gear(QT_TRANSLATE_NOOP(
                "Play", "Pads worn down to %1; each item of gear must be at least %2."));
        case Shortfall::others:
            return gear(QT_TRANSLATE_NOOP(
                "Play", "Other gear worn down to %1; each item of gear must be at least %2."));
        case Shortfall::fitness:
            return gear(QT_TRANSLATE_NOOP(
                "Play",
                "Fitness down to %1; fitness, health and stamina must each be at least %2."));
        case Shortfall::health:
            return gear(QT_TRANSLATE_NOOP(
                "Play",
                "Health down to %1; fitness, health and stamina must each be at least %2."));
        case Shortfall::stamina:
            return gear(QT_TRANSLATE_NOOP(
                "Play",
                "Stamina down to %1; fitness, health and stamina must each be at least %2."));
    }
    return QString();
}

QString shownNoticeText(const Notice& notice) {
    if (!notice.shortfall) return noticeText(notice);
    //: A notice of not being selected (%1), then the figure that failed (%2), on a
    //: line of its own where the message box has room for it.
    return QCoreApplication::translate("Play", "%1\n%2")
        .arg(noticeText(notice), shortfallText(*notice.shortfall));
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

QString dropWarningText(const DropWarning& warning) {
    const char* sentence = nullptr;
    switch (warning.figure) {
        case Shortfall::overallSkill:
            sentence = QT_TRANSLATE_NOOP("Play",
                                         "Overall skill %1: below %2 you will not be "
                                         "selected.");
            break;
        case Shortfall::fielding:
            sentence = QT_TRANSLATE_NOOP("Play", "Fielding %1: below %2 you will not be selected.");
            break;
        case Shortfall::bat:
            sentence = QT_TRANSLATE_NOOP("Play", "Bat %1: at %2 you will not be selected.");
            break;
        case Shortfall::gloves:
            sentence = QT_TRANSLATE_NOOP("Play", "Gloves %1: at %2 you will not be selected.");
            break;
        case Shortfall::pads:
            sentence = QT_TRANSLATE_NOOP("Play", "Pads %1: at %2 you will not be selected.");
            break;
        case Shortfall::others:
            sentence = QT_TRANSLATE_NOOP("Play", "Other gear %1: at %2 you will not be selected.");
            break;
        case Shortfall::fitness:
            sentence = QT_TRANSLATE_NOOP("Play", "Fitness %1: at %2 you will not be selected.");
            break;
        case Shortfall::health:
            sentence = QT_TRANSLATE_NOOP("Play", "Health %1: at %2 you will not be selected.");
            break;
        case Shortfall::stamina:
            sentence = QT_TRANSLATE_NOOP("Play", "Stamina %1: at %2 you will not be selected.");
            break;
    }
    return QCoreApplication::translate("Play", sentence)
        .arg(shownNumber(warning.value), shownNumber(warning.failsAt));
}
