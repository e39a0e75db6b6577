// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "saves/career_lock.h"
#include "saves/file_stamp.h"
#include "saves/found_save.h"
#include "saves/set_aside.h"

// Whether a career in play may write its save file. Its own file, the save it
// was loaded from in the folder it saves to or one it has written itself in
// this game, is replaced silently after every match, as long as it is as
// this game last read or wrote it: changed by another program meanwhile, it
// is first set aside under a name of its own (saves/set_aside.h). Any other
// file there (another career whose player's name starts with the same five
// letters, or one that a career loaded from elsewhere happens to share its
// name with) is replaced only when the player has agreed, and is then set
// aside as well. While the career is in play its save is locked for this
// copy of the game (CareerLock), and without the lock it never saves.
class SaveClaim {
  public:
    enum class Standing {
        // The career may save there as it goes.
        clear,
        // Another copy of the game plays the career saved there: this one
        // does not save.
        openInAnotherCopy,
        // A copy on another computer wrote the lock: the player is to be
        // asked whether it still plays the career (takeOver()).
        openOnAnotherComputer,
        // The lock names a process of this computer that runs another
        // program than the game: the player is to be asked whether to take
        // the career over (takeOver()).
        lockOfAnotherProgram,
        // The lock could not be taken (why in SavingOff): this copy does not save.
        lockRefused,
        // Another file is there: the player is to be asked whether to
        // replace it (answer()).
        anotherFile,
    };
    struct Check {
        Standing standing = Standing::clear;
        FoundSave found;
        // The computer named in the lock, when it is another's.
        QString computer;
        // The process named in the lock and the program it runs, when that
        // is not the game.
        qint64 pid = 0;
        QString program;
    };

    // Why a career does not save in this game.
    enum class NotSaving {
        openInAnotherCopy,
        openOnAnotherComputer,
        lockOfAnotherProgram,
        lockNotARegularFile,
        lockNotMade,
        lockNameTooLong,
        anotherFileKept,
    };
    struct SavingOff {
        NotSaving why;
        // The lock file, or the file kept at the save path.
        QString file;
        // The computer that holds the lock, or the system's reason the lock
        // could not be made.
        QString detail;
    };

    // The career was loaded from loadedFrom, if anything: that file, when it
    // is the save path itself, is the career's own, as it is now.
    void recognise(const QString& savePath, const QString& loadedFrom);

    // When the career starts: takes the lock of the save path and looks at
    // what it holds.
    Check claim(const QString& savePath);

    // The player's answer to a lock written on another computer, or naming
    // another program: taking the career over takes the lock and looks at the save path as claim()
    // does; keeping it turns saving off for this game.
    Check takeOver(const QString& savePath, bool take);

    // The player's answer to replacing the file found: kept for the rest of
    // the game, so he is asked once.
    void answer(bool replace);

    // No saves in this game, and why.
    bool savingOff() const { return savingOff_.has_value(); }
    const std::optional<SavingOff>& whySavingOff() const { return savingOff_; }

    // Right before a save: the reason it may not go ahead, if any. A file
    // another program changed, or another career's file the player agreed
    // to replace, is set aside first (kept).
    struct Preparation {
        std::optional<QString> refusal;
        std::optional<KeptFile> kept;
    };
    Preparation prepareToWrite(const QString& savePath);

    // The save went ahead: the file is the career's own from now on, as it
    // was written.
    void written(const QString& savePath);

  private:
    Check lookAt(const QString& savePath);
    // Saving is off for this game, for the lock could not be taken.
    Check lockRefused(const QString& savePath, const CareerLock::Result& taking);

    CareerLock lock_;
    QString ownFile_;
    // What the save path held when this copy last read or wrote it, or when
    // the career started and found nothing there.
    std::optional<FileStamp> known_;
    bool replaceAgreed_ = false;
    std::optional<SavingOff> savingOff_;
};
