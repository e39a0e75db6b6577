// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/save_claim.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "saves/regular_file.h"
#include "saves/set_aside.h"

namespace {

// One file reached by two paths (a link to the folder, "..") is one file.
bool sameFile(const QString& one, const QString& other) {
    if (one.isEmpty() || other.isEmpty()) return false;
    const QString oneReal = QFileInfo(one).canonicalFilePath();
    return !oneReal.isEmpty() && oneReal == QFileInfo(other).canonicalFilePath();
}

}  // namespace

void SaveClaim::recognise(const QString& savePath, const QString& loadedFrom) {
    // A career loaded from a link is not the owner of what the link points
    // to: the link is refused when the save comes.
    if (sameFile(savePath, loadedFrom) && !QFileInfo(savePath).isSymLink()) ownFile_ = savePath;
}

SaveClaim::Check SaveClaim::claim(const QString& savePath) {
    Check check;
    if (lock_.take(savePath) == CareerLock::Taking::heldByAnotherCopy) {
        savingOff_ = true;
        check.standing = Standing::openInAnotherCopy;
        return check;
    }
    if (ownFile_ == savePath) return check;
    check.found = findSave(savePath);
    if (check.found.holds == FoundSave::Holds::career ||
        check.found.holds == FoundSave::Holds::otherFile) {
        check.standing = Standing::anotherFile;
    }
    return check;
}

void SaveClaim::answer(bool replace) {
    replaceAgreed_ = replace;
    if (!replace) {
        savingOff_ = true;
        lock_.release();
    }
}

std::optional<QString> SaveClaim::prepareToWrite(const QString& savePath) {
    if (savingOff_) {
        return QCoreApplication::translate("SaveFile", "this game does not save the career there");
    }
    if (savePath == ownFile_) return writeRefusal(savePath);
    const FoundSave found = findSave(savePath);
    switch (found.holds) {
        case FoundSave::Holds::nothing:
            return std::nullopt;
        case FoundSave::Holds::unwritable:
            return found.refusal;
        case FoundSave::Holds::career:
        case FoundSave::Holds::otherFile:
            break;
    }
    if (!replaceAgreed_) {
        return QCoreApplication::translate(
            "SaveFile", "it holds another file, which the game does not replace without asking");
    }
    const SetAside aside = setAsideCareer(savePath);
    return aside.failure;
}

void SaveClaim::written(const QString& savePath) {
    ownFile_ = savePath;
}
