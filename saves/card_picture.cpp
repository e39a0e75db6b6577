// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/card_picture.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "game/shown_numbers.h"
#include "saves/file_names.h"
#include "saves/file_system.h"
#include "saves/set_aside.h"

namespace {

// As many tries as set-asides are given.
constexpr int maxTries = 1000;

CardPictureWriting written(CardPictureWriting writing, const QByteArray& png) {
    if (!writing.failure) writing.written = WrittenCard{writing.path, stampOf(writing.path, png)};
    return writing;
}

CardPictureWriting besideTheSave(const QString& path, const QByteArray& png) {
    CardPictureWriting writing;
    writing.path = path;
    if (pathTaken(path)) {
        const SetAside aside = setAsideFile(path, setAsideCardEnding);
        if (aside.failure) {
            writing.failure = aside.failure;
            return writing;
        }
        writing.keptAs = aside.path;
    }
    writing.failure = replaceFile(path, png);
    return written(std::move(writing), png);
}

CardPictureWriting ofItsOwn(const QString& savePath, const QByteArray& png, const QDateTime& when) {
    CardPictureWriting writing;
    for (int n = 1; n <= maxTries; ++n) {
        writing.path = cardPictureOfItsOwn(savePath, when, n);
        if (pathTaken(writing.path)) continue;
        writing.failure = createFile(writing.path, png);
        // Taken meanwhile: the next name.
        if (!writing.failure || !pathTaken(writing.path)) return written(std::move(writing), png);
    }
    writing.failure = QCoreApplication::translate("SaveFile", "no free name was found for it");
    return writing;
}

}  // namespace

CardPictureWriting writeCardPicture(const QString& savePath, bool beingSaved, const QByteArray& png,
                                    const std::optional<WrittenCard>& last, const QDateTime& when) {
    const QString folder = QFileInfo(savePath).absolutePath();
    if (!makeFolder(folder)) {
        CardPictureWriting writing;
        writing.path = cardPicturePath(savePath);
        writing.failure =
            QCoreApplication::translate("SaveFile", "the folder %1 could not be created")
                .arg(shownPath(folder));
        return writing;
    }
    if (last && stillAsStamped(last->path, last->stamp)) {
        CardPictureWriting writing;
        writing.path = last->path;
        writing.failure = replaceFile(last->path, png);
        return written(std::move(writing), png);
    }
    return beingSaved ? besideTheSave(cardPicturePath(savePath), png)
                      : ofItsOwn(savePath, png, when);
}
