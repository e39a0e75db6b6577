// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "saves/career_lock.h"
#include "saves/found_save.h"

// Whether a career in play may write its save file. Its own file, the save it
// was loaded from in the folder it saves to or one it has written itself in
// this game, is replaced silently after every match. Any other file there
// (another career whose player's name starts with the same five letters, or
// one that a career loaded from elsewhere happens to share its name with) is
// replaced only when the player has agreed, and is then first set aside under
// a name of its own (saves/set_aside.h). While the career is in play its save
// is locked for this copy of the game: a second copy on the same career is
// not allowed to write it.
class SaveClaim {
  public:
    enum class Standing {
        // The career may save there as it goes.
        clear,
        // Another copy of the game plays the career saved there: this one
        // does not save.
        openInAnotherCopy,
        // Another file is there: the player is to be asked whether to
        // replace it (answer()).
        anotherFile,
    };
    struct Check {
        Standing standing = Standing::clear;
        FoundSave found;
    };

    // The career was loaded from loadedFrom, if anything: that file, when it
    // is the save path itself, is the career's own.
    void recognise(const QString& savePath, const QString& loadedFrom);

    // When the career starts: takes the lock of the save path and looks at
    // what it holds.
    Check claim(const QString& savePath);

    // The player's answer to replacing the file found: kept for the rest of
    // the game, so he is asked once.
    void answer(bool replace);

    // No saves in this game: the player kept the other file, or another copy
    // plays the career.
    bool savingOff() const { return savingOff_; }

    // Right before a save: nothing when it may go ahead (another career's
    // file the player agreed to replace is set aside first), otherwise why
    // it may not.
    std::optional<QString> prepareToWrite(const QString& savePath);

    // The save went ahead: the file is the career's own from now on.
    void written(const QString& savePath);

  private:
    CareerLock lock_;
    QString ownFile_;
    bool replaceAgreed_ = false;
    bool savingOff_ = false;
};
