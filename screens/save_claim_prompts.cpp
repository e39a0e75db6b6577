// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/save_claim_prompts.h"

#include <QCoreApplication>
#include <QLocale>

#include "game/level.h"
#include "game/shown_numbers.h"
#include "saves/file_names.h"
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

QString takeOverQuestion(const QString& path, const QString& computer) {
    //: %1 is a save file, %2 the name of another computer.
    return QCoreApplication::translate(
               "SaveClaim",
               "The career saved as %1 was last opened by the game on the computer %2, which may "
               "still be playing it: this folder cannot tell.\n\nTake the career over on this "
               "computer? Yes saves it here from now on, and what the other computer saves after "
               "that is lost. No plays it here without saving.")
        .arg(path, computer);
}

// A process number is a name, not an amount: in the player's digits, never
// grouped.
QString processNumber(qint64 pid) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(pid);
}

QString anotherProgramQuestion(const QString& path, const QString& lock, qint64 pid,
                               const QString& program) {
    //: %1 is a save file, %2 its lock file, %3 a process number, %4 the name of
    //: the program that process runs.
    return QCoreApplication::translate(
               "SaveClaim",
               "The career saved as %1 is locked by %2, which names process %3 of this computer. "
               "That process is now the program %4, not this game: the number was most likely "
               "given to it after the game that locked the career had ended.\n\nTake the career "
               "over? Yes saves it here from now on. No plays it here without saving; say No if "
               "%4 is a copy of this game under another name.")
        .arg(path, lock, processNumber(pid), program);
}

}  // namespace

QString savingOffNotice(const QString& savePath, const SaveClaim::SavingOff& off) {
    const QString save = shownPath(savePath);
    const QString lock = shownPath(off.file);
    switch (off.why) {
        case SaveClaim::NotSaving::openInAnotherCopy:
            //: %1 is a save file, %2 its lock file.
            return QCoreApplication::translate(
                       "SaveClaim",
                       "The career saved as %1 is open in another copy of the game, which holds "
                       "its lock %2. This copy plays it without saving, so that nothing the other "
                       "copy saves is lost. To save it here, close the other copy and load the "
                       "career again.")
                .arg(save, lock);
        case SaveClaim::NotSaving::lockNotARegularFile:
            //: %1 is a save file, %2 its lock file.
            return QCoreApplication::translate(
                       "SaveClaim",
                       "The career saved as %1 cannot be locked for this copy of the game: %2 is "
                       "not an ordinary file, and the game never opens it. This copy plays the "
                       "career without saving. To save it, remove or rename %2 and load the "
                       "career again.")
                .arg(save, lock);
        case SaveClaim::NotSaving::lockNotMade:
            //: %1 is a save file, %2 its lock file, %3 the system's reason.
            return QCoreApplication::translate(
                       "SaveClaim",
                       "The career saved as %1 cannot be locked for this copy of the game: the "
                       "lock %2 could not be made (%3). This copy plays the career without "
                       "saving, so that it never overwrites what another copy saves. To save it, "
                       "make room on the disk or let the folder be written to, and load the "
                       "career again.")
                .arg(save, lock, off.detail);
        case SaveClaim::NotSaving::lockNameTooLong:
            //: %1 is a save file, %2 its lock file.
            return QCoreApplication::translate(
                       "SaveClaim",
                       "The career saved as %1 cannot be locked for this copy of the game: the "
                       "name of its lock %2 is longer than the folder allows. This copy plays the "
                       "career without saving. To save it, give the save a shorter name and load "
                       "the career again.")
                .arg(save, lock);
        case SaveClaim::NotSaving::openOnAnotherComputer:
        case SaveClaim::NotSaving::lockOfAnotherProgram:
        case SaveClaim::NotSaving::anotherFileKept:
            break;
    }
    return QString();
}

QString savingOffReason(const SaveClaim::SavingOff& off) {
    switch (off.why) {
        case SaveClaim::NotSaving::openInAnotherCopy:
            return QCoreApplication::translate(
                "SaveClaim",
                "This career is not being saved: it is open in another copy of the game.");
        case SaveClaim::NotSaving::openOnAnotherComputer:
            //: %1 is the name of another computer.
            return QCoreApplication::translate(
                       "SaveClaim",
                       "This career is not being saved: it is open on the computer %1.")
                .arg(off.detail);
        case SaveClaim::NotSaving::lockOfAnotherProgram:
            //: %1 is the name of a program that is not the game.
            return QCoreApplication::translate(
                       "SaveClaim",
                       "This career is not being saved: its lock names a process of the program "
                       "%1.")
                .arg(off.detail);
        case SaveClaim::NotSaving::lockNotARegularFile:
            //: %1 is the career's lock file.
            return QCoreApplication::translate(
                       "SaveClaim", "This career is not being saved: %1 is not an ordinary file.")
                .arg(shownPath(off.file));
        case SaveClaim::NotSaving::lockNotMade:
            //: %1 is the system's reason.
            return QCoreApplication::translate(
                       "SaveClaim",
                       "This career is not being saved: its lock could not be made (%1).")
                .arg(off.detail);
        case SaveClaim::NotSaving::lockNameTooLong:
            return QCoreApplication::translate(
                "SaveClaim", "This career is not being saved: the name of its lock is too long.");
        case SaveClaim::NotSaving::anotherFileKept:
            return QCoreApplication::translate(
                "SaveClaim",
                "This career is not being saved: another file is kept where it would save.");
    }
    return QString();
}

void settleSaveClaim(CareerSession& session, Prompter& prompter, QWidget* owner) {
    SaveClaim::Check check = session.claimSaveFile();
    const QString shown = shownPath(session.savePath());
    if (check.standing == SaveClaim::Standing::openOnAnotherComputer) {
        check = session.answerTakeOver(prompter.question(
            owner, takeOverQuestion(shown, check.computer), Prompter::Answer::no));
    } else if (check.standing == SaveClaim::Standing::lockOfAnotherProgram) {
        const QString lock = shownPath(lockFilePath(session.savePath()));
        check = session.answerTakeOver(
            prompter.question(owner, anotherProgramQuestion(shown, lock, check.pid, check.program),
                              Prompter::Answer::no));
    }
    switch (check.standing) {
        case SaveClaim::Standing::clear:
        case SaveClaim::Standing::openOnAnotherComputer:
        case SaveClaim::Standing::lockOfAnotherProgram:
            return;
        case SaveClaim::Standing::openInAnotherCopy:
        case SaveClaim::Standing::lockRefused:
            if (const auto& off = session.whySavingOff()) {
                prompter.notice(owner, savingOffNotice(session.savePath(), *off));
            }
            return;
        case SaveClaim::Standing::anotherFile:
            session.answerReplace(prompter.question(owner, replaceQuestion(shown, check.found),
                                                    Prompter::Answer::no));
            return;
    }
}
