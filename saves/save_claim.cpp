// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/save_claim.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "saves/file_names.h"
#include "saves/file_system.h"
#include "saves/save_file.h"

namespace {

// One file reached by two paths (a link to the folder, "..") is one file.
bool sameFile(const QString& one, const QString& other) {
    if (one.isEmpty() || other.isEmpty()) return false;
    const QString oneReal = QFileInfo(one).canonicalFilePath();
    return !oneReal.isEmpty() && oneReal == QFileInfo(other).canonicalFilePath();
}

// The stamp of the save file at the path as it is now; none when it cannot
// be read as one.
std::optional<FileStamp> stampNow(const QString& path) {
    const std::optional<QByteArray> bytes = readWholeBounded(path, maxSaveFileBytes);
    if (!bytes) return std::nullopt;
    return stampOf(path, *bytes);
}

QString refusalWhileOff() {
    return QCoreApplication::translate("SaveFile", "this game does not save the career there");
}

}  // namespace

void SaveClaim::recognise(const QString& savePath, const QString& loadedFrom) {
    // A career loaded from a link is not the owner of what the link points
    // to: the link is refused when the save comes.
    if (sameFile(savePath, loadedFrom) && !QFileInfo(savePath).isSymLink()) {
        ownFile_ = savePath;
        known_ = stampNow(savePath);
    }
}

SaveClaim::Check SaveClaim::claim(const QString& savePath) {
    const CareerLock::Result taking = lock_.take(savePath);
    switch (taking.taking) {
        case CareerLock::Taking::taken:
            return lookAt(savePath);
        default:
            return lockRefused(savePath, taking);
    }
}

SaveClaim::Check SaveClaim::takeOver(const QString& savePath, bool take) {
    if (!take) return {};
    const CareerLock::Result taking = lock_.takeOver(savePath);
    if (taking.taking != CareerLock::Taking::taken) return lockRefused(savePath, taking);
    savingOff_.reset();
    return lookAt(savePath);
}

SaveClaim::Check SaveClaim::lockRefused(const QString& savePath, const CareerLock::Result& taking) {
    Check check;
    const QString lock = lockFilePath(savePath);
    switch (taking.taking) {
        case CareerLock::Taking::heldOnAnotherComputer:
            check.standing = Standing::openOnAnotherComputer;
            check.computer = taking.computer;
            savingOff_ = SavingOff{NotSaving::openOnAnotherComputer, lock, taking.computer};
            break;
        case CareerLock::Taking::heldByAnotherProgram:
            check.standing = Standing::lockOfAnotherProgram;
            check.pid = taking.pid;
            check.program = taking.program;
            savingOff_ = SavingOff{NotSaving::lockOfAnotherProgram, lock, taking.program};
            break;
        case CareerLock::Taking::heldByAnotherCopy:
            check.standing = Standing::openInAnotherCopy;
            savingOff_ = SavingOff{NotSaving::openInAnotherCopy, lock, {}};
            break;
        case CareerLock::Taking::notARegularFile:
            check.standing = Standing::lockRefused;
            savingOff_ = SavingOff{NotSaving::lockNotARegularFile, lock, {}};
            break;
        case CareerLock::Taking::nameTooLong:
            check.standing = Standing::lockRefused;
            savingOff_ = SavingOff{NotSaving::lockNameTooLong, lock, taking.reason};
            break;
        default:
            check.standing = Standing::lockRefused;
            savingOff_ = SavingOff{NotSaving::lockNotMade, lock, taking.reason};
            break;
    }
    return check;
}

SaveClaim::Check SaveClaim::lookAt(const QString& savePath) {
    Check check;
    if (ownFile_ == savePath) return check;
    check.found = findSave(savePath);
    switch (check.found.holds) {
        case FoundSave::Holds::nothing:
            known_ = FileStamp{};
            break;
        case FoundSave::Holds::career:
        case FoundSave::Holds::otherFile:
            check.standing = Standing::anotherFile;
            break;
        case FoundSave::Holds::unwritable:
            break;
    }
    return check;
}

void SaveClaim::answer(bool replace) {
    replaceAgreed_ = replace;
    if (!replace) {
        savingOff_ = SavingOff{NotSaving::anotherFileKept, {}, {}};
        lock_.release();
    }
}

SaveClaim::Preparation SaveClaim::prepareToWrite(const QString& savePath) {
    if (savingOff_) return {refusalWhileOff(), {}};
    // Never a save without the lock: a career that was not claimed when it
    // started takes it now, and one that cannot does not save.
    if (!lock_.holds(savePath)) {
        const CareerLock::Result taking = lock_.take(savePath);
        if (taking.taking != CareerLock::Taking::taken) {
            lockRefused(savePath, taking);
            return {refusalWhileOff(), {}};
        }
    }
    if (auto refusal = writeRefusal(savePath)) return {refusal, {}};
    if (known_) {
        if (stillAsStamped(savePath, *known_)) return {};
        // Another program changed the file since this game last read or
        // wrote it, or put one where there was none: it is kept.
        if (!pathTaken(savePath)) return {};
        const SetAside aside = setAsideFile(savePath, saveFileEnding);
        if (aside.failure) return {aside.failure, {}};
        return {std::nullopt, KeptFile{savePath, aside.path}};
    }
    if (savePath == ownFile_) return {};
    const FoundSave found = findSave(savePath);
    switch (found.holds) {
        case FoundSave::Holds::nothing:
            return {};
        case FoundSave::Holds::unwritable:
            return {found.refusal, {}};
        case FoundSave::Holds::career:
        case FoundSave::Holds::otherFile:
            break;
    }
    if (!replaceAgreed_) {
        return {QCoreApplication::translate(
                    "SaveFile",
                    "it holds another file, which the game does not replace without asking"),
                {}};
    }
    const SetAside aside = setAsideCareer(savePath);
    if (aside.failure) return {aside.failure, {}};
    return {};
}

void SaveClaim::written(const QString& savePath) {
    ownFile_ = savePath;
    known_ = stampNow(savePath);
}
