// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QFile;
class QFileDevice;

// Everything the game does with files, in one place, so that each rule that
// keeps a career safe is kept once: only regular files are read or written,
// never through a link (one unpacked from an archive, say, would make the game
// write wherever it points, outside the Saves folder), a file is replaced in
// one step, and a pipe never keeps the game waiting for a writer that may
// never come.
//
// Two builds of it: file_system_posix.cpp, on the system calls of POSIX, which
// close every gap between a look at a path and its opening; and
// file_system_portable.cpp, on Qt and the C++ standard library alone (with the
// Windows calls for a replace that flushes to disk and for what a lock's
// process is), for every other system and for the build that tests it here
// (BAILCREST_PORTABLE_FILES).
// file_system.cpp holds what both share.

// The start of a regular file, read without following a link and without
// opening anything but a regular file.
struct BoundedRead {
    enum class Outcome { read, missing, link, notRegular, unreadable };
    Outcome outcome = Outcome::missing;
    // At most the bytes asked for.
    QByteArray bytes;
    // The bytes are the whole file.
    bool whole = false;
    // Why a file there was not read, in the player's language.
    QString reason;
};

BoundedRead readBounded(const QString& path, qint64 maxBytes);

// The same file read in pieces of at most the piece's bytes, each handed to
// `take` as it is read, up to the bound: for a file whose every part is worth
// reading however large it grew, which is never held whole. The outcome
// holds no bytes; `whole` tells that the file ended within the bound.
BoundedRead readInPieces(const QString& path, qint64 maxBytes, qint64 pieceBytes,
                         const std::function<void(QByteArrayView)>& take);

// The whole of a regular file read so, or nothing when it is missing, is not
// a regular file, cannot be read or is longer than the bound.
std::optional<QByteArray> readWholeBounded(const QString& path, qint64 maxBytes);

// Why the game does not write at the path (a link, dangling or not, a
// folder, a pipe, a device), or nothing when the path holds a regular file or
// nothing at all.
std::optional<QString> writeRefusal(const QString& path);

// What opening an existing file for appending came to.
enum class AppendOpening { opened, missing, refused };

// Opens the regular file at the path for appending, never through a link and
// never creating it; the reason, when refused, in the third place.
AppendOpening openToAppend(QFile& file, const QString& path, QString* reason = nullptr);

// Writes every byte through the device, a short write repeated so that the
// system names the reason of a failure; the reason, if any.
std::optional<QString> writeAll(QFileDevice& out, const QByteArray& bytes);

// Replaces the file at the path, in one step, by one holding the bytes, so a
// failure leaves the earlier file as it was; the reason of a failure. A link
// or anything but a regular file at the path is refused and left as it is.
// The new file keeps the earlier one's permissions.
std::optional<QString> replaceFile(const QString& path, const QByteArray& bytes);

// Writes a new file at the path holding the bytes, never replacing one: a
// path where anything is, a link leading nowhere too, is refused. A write
// that fails leaves no file behind; the reason of a failure.
std::optional<QString> createFile(const QString& path, const QByteArray& bytes);

// Which of the two builds this is, for the tests of what only one does.
enum class FileLayer { posix, portable };
FileLayer fileLayer();

// What the path holds, looked at without following a link.
struct FileState {
    bool exists = false;
    bool regular = false;
    qint64 size = 0;
    qint64 changedAt = 0;  // nanoseconds since the epoch
};
FileState fileState(const QString& path);

// Removes the regular file at the path, never anything else (a link is not
// followed, a folder is left); whether it is gone.
bool removeRegularFile(const QString& path);

// Something is at the path, a link leading nowhere too.
bool pathTaken(const QString& path);

// Gives the file at the first path the second, never replacing a file that
// has it; the reason of a failure.
std::optional<QString> moveWithoutReplacing(const QString& from, const QString& to);

// A name in a folder, as the system spells it and Qt decodes it (a byte
// that is no text in the system's encoding shown as U+FFFD). A name that is
// not text does not lead back to its file, so the game cannot open it: it
// is not `spelledBack`.
struct FolderEntry {
    QString name;
    bool spelledBack = true;
};

// Every entry of the folder whose name ends so, hidden ones, links, folders
// and the like among them, in no set order.
std::vector<FolderEntry> folderEntries(const QString& folder, const QString& ending);

// Creates the folder and those above it, when missing; whether it is there.
bool makeFolder(const QString& folder);

// Whether the game can make files in the folder. The portable build writes a
// file there to know: Windows' own permissions are not what Qt reports of a
// folder by default.
bool folderTakesFiles(const QString& folder);

// What taking a lock file came to.
enum class LockTaking {
    taken,
    // Another copy of the game on this computer holds it.
    heldByAnotherCopy,
    // A copy on another computer wrote it, in a folder that holds no locks
    // of the system: whether it still plays is not known here.
    heldOnAnotherComputer,
    // In such a folder, the lock names a process of this computer that runs
    // another program than this game: whether a copy of the game still
    // holds it is for the player to say.
    heldByAnotherProgram,
    // Something other than a regular file is at the lock's path (a folder,
    // a link, a pipe): it is never opened nor replaced.
    notARegularFile,
    // The lock's name is longer than the folder takes (that of a save
    // whose own name is as long as it may be).
    nameTooLong,
    // The lock could not be made (a full disk, a folder that cannot be
    // written).
    failed,
};

// A lock held on a lock file: one of the operating system, which the system
// lets go of when the program ends, however it ends, or, where there is none
// (a folder that cannot hold them, the portable build), the file's own words
// of who holds it; let go of, and its file removed, when destroyed.
class HeldLock {
  public:
    virtual ~HeldLock() = default;
};

struct LockAttempt {
    LockTaking taking = LockTaking::failed;
    std::unique_ptr<HeldLock> held;
    // The computer named in the lock, when it is another's.
    QString computer;
    // Why the lock could not be made.
    QString reason;
    // The process named in the lock and the program it runs now, when that
    // is not this game.
    qint64 pid = 0;
    QString program;
};

// Takes the lock file at the path, created when missing; with
// `overUnprovenHolder`, one that a copy on another computer wrote, or one
// naming a process of another program, is taken over (the player said that
// no copy of the game plays it there); never one of a copy running here.
LockAttempt takeLockFile(const QString& lockPath, bool overUnprovenHolder);
