// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

#include "saves/file_stamp.h"

// The picture of a career's card, a file like the others: it never takes
// the place of another career's card without keeping that one aside.

// A picture this copy wrote, as it wrote it.
struct WrittenCard {
    QString path;
    FileStamp stamp;
};

struct CardPictureWriting {
    // Where the picture went.
    QString path;
    // A picture found there and set aside first.
    QString keptAs;
    std::optional<QString> failure;
    // The picture as written, when it was.
    std::optional<WrittenCard> written;
};

// Writes the picture for the career whose save path is given. The picture
// this copy wrote last for it (`last`), still as written, is replaced. A
// career being saved in its own file keeps its card beside it
// ("raj_auto.card.png"): a picture found there is set aside first, as it may
// be another career's that had the same save name. A career not being saved
// gets a name of its own, never replacing any file (file_names.h).
CardPictureWriting writeCardPicture(const QString& savePath, bool beingSaved, const QByteArray& png,
                                    const std::optional<WrittenCard>& last = std::nullopt,
                                    const QDateTime& when = QDateTime::currentDateTime());
