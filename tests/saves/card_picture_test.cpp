// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/card_picture.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "saves/file_names.h"
#include "saves/set_aside.h"
#include "support/file_contents.h"
#include "support/qt_printers.h"

namespace {

class CardPicture : public ::testing::Test {
  protected:
    QTemporaryDir saves;
    QString save = saves.path() + QStringLiteral("/arjun_auto.bsg");
    QString card = cardPicturePath(save);
    QDateTime when{QDate(2026, 12, 9), QTime(7, 15)};

    void SetUp() override { put(card, "Mehta's card"); }
};

// Arjun Singh, loaded from elsewhere and not saved here, ends his career
// where Arjun Mehta's card lies: Mehta's card stays, and Singh's takes a
// name of its own, which a second press replaces.
TEST_F(CardPicture, ACareerNotSavedNeverTakesAnotherCareersCardsPlace) {
    CardPictureWriting singh = writeCardPicture(save, false, "Singh", std::nullopt, when);
    ASSERT_EQ(singh.failure, std::nullopt);
    EXPECT_EQ(contents(card), "Mehta's card");
    EXPECT_EQ(QFileInfo(singh.path).fileName(),
              QStringLiteral("arjun_auto.card-20261209-071500.png"));
    EXPECT_EQ(contents(singh.path), "Singh");

    singh = writeCardPicture(save, false, "Singh again", singh.written, when);
    ASSERT_EQ(singh.failure, std::nullopt);
    EXPECT_EQ(contents(singh.path), "Singh again");
    EXPECT_TRUE(singh.keptAs.isEmpty());

    // Another career of that save name, in the same second: the next name.
    const CardPictureWriting other = writeCardPicture(save, false, "Other", std::nullopt, when);
    EXPECT_EQ(QFileInfo(other.path).fileName(),
              QStringLiteral("arjun_auto.card-20261209-071500-2.png"));
    EXPECT_EQ(contents(singh.path), "Singh again");
}

// A career saved in its own file keeps its card beside it; a picture found
// there is set aside first, and its own picture, as it wrote it, is
// replaced without a copy; changed by another program since, it is kept.
TEST_F(CardPicture, ACardFoundBesideTheSaveIsSetAsideUnlessThisCopyWroteIt) {
    const CardPictureWriting own = writeCardPicture(save, true, "Own", std::nullopt, when);
    ASSERT_EQ(own.failure, std::nullopt);
    EXPECT_EQ(own.path, card);
    EXPECT_EQ(contents(card), "Own");
    EXPECT_EQ(contents(own.keptAs), "Mehta's card");

    const CardPictureWriting again = writeCardPicture(save, true, "Own again", own.written, when);
    EXPECT_TRUE(again.keptAs.isEmpty());
    EXPECT_EQ(contents(card), "Own again");

    put(card, "edited elsewhere");
    const CardPictureWriting third = writeCardPicture(save, true, "Own third", again.written, when);
    EXPECT_EQ(contents(third.keptAs), "edited elsewhere");
    EXPECT_EQ(setAsideFilesOf(card, setAsideCardEnding).size(), 2);
}

}  // namespace
