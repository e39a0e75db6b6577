// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/save_claim_prompts.h"

#include <QCoreApplication>
#include <QDir>

#include "game/level.h"
#include "saves/file_words.h"
#include "screens/prompter.h"
#include "session/career_session.h"

namespace {

// The file spells its level in English whatever the language; the player
// reads it in his own.
QString shownLevel(const QString& fileWord) {
    const std::optional<Level> level = levelFromWord(fileWord);
    return level ? levelName(*level) : fileWord;
}

QString replaceQuestion(const QString& path, const FoundSave& found) {
    if (found.holds == FoundSave::Holds::career) {
        //: %1 is a file, %2 a player's name, %3 a level (Club, City, State, National).
        return QCoreApplication::translate(
                   "SaveClaim",
                   "The file %1 holds the career of %2, at %3 level after %Ln match(es). Saving "
                   "this career there would replace it.\n\nReplace it? Yes keeps that career "
                   "aside under a name of its own in the same folder and saves this one in its "
                   "place. No keeps it as it is: this career then goes on without auto-save in "
                   "this game, or you can start again under another name.",
                   nullptr, found.matches)
            .arg(path, found.player, shownLevel(found.level));
    }
    return QCoreApplication::translate(
               "SaveClaim",
               "The file %1 is not a save of this career. Saving this career there would replace "
               "it.\n\nReplace it? Yes keeps that file aside under a name of its own in the same "
               "folder and saves this career in its place. No keeps it as it is: this career then "
               "goes on without auto-save in this game, or you can start again under another "
               "name.")
        .arg(path);
}

}  // namespace

void settleSaveClaim(CareerSession& session, Prompter& prompter, QWidget* owner) {
    const SaveClaim::Check check = session.claimSaveFile();
    const QString shown = QDir::toNativeSeparators(session.savePath());
    switch (check.standing) {
        case SaveClaim::Standing::clear:
            return;
        case SaveClaim::Standing::openInAnotherCopy:
            prompter.notice(
                owner,
                QCoreApplication::translate(
                    "SaveClaim",
                    "The career saved as %1 is open in another copy of the game. This copy plays "
                    "it without saving, so that nothing the other copy saves is lost.")
                    .arg(shown));
            return;
        case SaveClaim::Standing::anotherFile:
            session.answerReplace(prompter.question(owner, replaceQuestion(shown, check.found),
                                                    Prompter::Answer::no));
            return;
    }
}
