// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/credits_screen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "screens/command_button.h"
#include "screens/look.h"
#include "screens/picture_button.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"

namespace {

TEST(CreditsScreen, EveryControlWithItsPlaceTextAndColour) {
    ScriptedPlatform scripted;
    RecordingOpener& opener = scripted.opener;
    CreditsScreen about(CreditsScreen::atStartUp, opener, scripted.prompter);
    about.show();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Bailcrest: Credits"));
    EXPECT_EQ(about.size(), look::rect(0, 0, 7815, 5265).size());

    const QColor none;
    const struct {
        const char* name;
        int left, top, width, height;  // a width of 0: only the place is fixed
        const char* text;              // nullptr: the text is the game's own
        QColor colour;
    } controls[] = {{"Image1_2", -120, 0, 2400, 1500, nullptr, none},
                    {"Label2_7", 2640, 0, 5055, 615, "BAILCREST", look::darkRed},
                    {"Label2_8", 6480, 600, 1215, 255, "VERSION 1.0", look::green},
                    {"Label2_12", 4320, 960, 0, 0, "PROGRAMMED BY:", look::green},
                    // A pixel right of its place: "PROGRAMMED BY:" needs it.
                    {"Label2_4", 6015, 960, 0, 0, nullptr, look::silver},
                    {"Label2_1", 4320, 1200, 0, 0, "WEBSITE:", look::green},
                    {"Label2_6", 5280, 1200, 0, 0, nullptr, look::silver},
                    {"Shape1", 120, 1560, 7575, 3135, nullptr, none},
                    {"Label2_2", 240, 1680, 3735, 255, "PLEASE READ CAREFULLY:", look::green},
                    {"Label2_3", 240, 1920, 7335, 2055, nullptr, look::lightGrey},
                    {"Image1_0", 240, 3645, 3510, 900, nullptr, none},
                    {"Image1_1", 4035, 3645, 3510, 900, nullptr, none},
                    {"Label1_0", 3120, 4800, 1575, 375, nullptr, none}};
    for (const auto& c : controls) {
        const auto* widget = about.findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr) << c.name;
        const QRect place = look::rect(c.left, c.top, c.width, c.height);
        if (c.width > 0) {
            EXPECT_EQ(widget->geometry(), place) << c.name;
        } else {
            EXPECT_EQ(widget->pos(), place.topLeft()) << c.name;
            EXPECT_LT(widget->geometry().right(), about.width()) << c.name;
        }
        if (const auto* label = qobject_cast<const QLabel*>(widget); label && c.colour.isValid()) {
            EXPECT_EQ(label->palette().color(QPalette::WindowText), c.colour) << c.name;
            EXPECT_FALSE(label->text().isEmpty()) << c.name;
            if (c.text) {
                EXPECT_EQ(label->text(), QString::fromLatin1(c.text)) << c.name;
            }
        }
    }
    const auto* title = about.findChild<QLabel*>(QStringLiteral("Label2_7"));
    EXPECT_TRUE(title->font().bold());
    EXPECT_GT(title->font().pixelSize(), 2 * look::font().pixelSize());
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("Label2_3"))->text(),
              QStringLiteral("Bailcrest costs you nothing because our advertisers pay for it. "
                             "Please take a moment to visit them: a click on a banner below opens "
                             "the advertiser's web page in your browser, and your career stays "
                             "exactly where you left it. Every visit helps to keep Bailcrest free "
                             "for everyone. Thank you!"));
    EXPECT_EQ(about.continueButton()->text(), QStringLiteral("Continue"));

    // The pictures are the game's own, at their full size.
    const auto* corner = about.findChild<QLabel*>(QStringLiteral("Image1_2"));
    ASSERT_FALSE(corner->pixmap().isNull());
    EXPECT_EQ(corner->pixmap().deviceIndependentSize().toSize(), QSize(160, 100));
}

TEST(CreditsScreen, ContinueAtStartUpAsksForThePlayerScreenThenCloses) {
    const struct {
        CreditsScreen::Mode mode;
        int wanted;
    } cases[] = {{CreditsScreen::atStartUp, 1}, {CreditsScreen::fromMenu, 0}};
    for (const auto& c : cases) {
        ScriptedPlatform scripted;
        RecordingOpener& opener = scripted.opener;
        CreditsScreen about(c.mode, opener, scripted.prompter);
        EXPECT_EQ(about.mode(), c.mode);
        about.show();
        QSignalSpy wanted(&about, &CreditsScreen::continuedAtStartUp);
        QSignalSpy finished(&about, &QDialog::finished);
        QTest::mouseClick(about.continueButton(), Qt::LeftButton);
        EXPECT_EQ(wanted.count(), c.wanted) << c.mode;
        EXPECT_EQ(finished.count(), 1) << c.mode;
        EXPECT_FALSE(about.isVisible()) << c.mode;
    }
}

TEST(CreditsScreen, ABannerClickOpensItsPageAndChangesNothing) {
    for (int i = 0; i < 2; ++i) {
        ScriptedPlatform scripted;
        RecordingOpener& opener = scripted.opener;
        CreditsScreen about(CreditsScreen::fromMenu, opener, scripted.prompter);
        about.show();
        QSignalSpy finished(&about, &QDialog::finished);
        QTest::mouseClick(about.banner(i), Qt::LeftButton);
        EXPECT_EQ(opener.opened, QStringList{CreditsScreen::bannerAddresses[i]});
        EXPECT_TRUE(about.isVisible());
        EXPECT_EQ(about.mode(), CreditsScreen::fromMenu);
        EXPECT_EQ(finished.count(), 0);
        // The corner picture is no banner.
        QTest::mouseClick(about.findChild<QWidget*>(QStringLiteral("Image1_2")), Qt::LeftButton);
        EXPECT_EQ(opener.opened.size(), 1);
        // The page opened: nothing to tell the player.
        EXPECT_TRUE(scripted.prompter.messages.isEmpty());
    }
    EXPECT_NE(CreditsScreen::bannerAddresses[0], CreditsScreen::bannerAddresses[1]);
}

// With no browser to take the page, the player is told its address, in both
// modes, and the screen stays as it was.
TEST(CreditsScreen, ABannerWhosePageCannotOpenNamesItsAddressInANotice) {
    for (const CreditsScreen::Mode mode : {CreditsScreen::atStartUp, CreditsScreen::fromMenu}) {
        for (int i = 0; i < 2; ++i) {
            ScriptedPlatform scripted;
            scripted.opener.fails = true;
            CreditsScreen about(mode, scripted.opener, scripted.prompter);
            about.show();
            QSignalSpy finished(&about, &QDialog::finished);
            QSignalSpy wanted(&about, &CreditsScreen::continuedAtStartUp);
            QTest::mouseClick(about.banner(i), Qt::LeftButton);
            const QString address = CreditsScreen::bannerAddresses[i];
            EXPECT_EQ(scripted.opener.opened, QStringList{address});
            EXPECT_EQ(scripted.prompter.notices,
                      QStringList{QStringLiteral("The advertiser's page could not be opened. You "
                                                 "can type its address into a web browser:\n\n") +
                                  address})
                << mode << " banner " << i;
            EXPECT_TRUE(scripted.prompter.questions.isEmpty());
            EXPECT_TRUE(about.isVisible());
            EXPECT_EQ(finished.count(), 0);
            EXPECT_EQ(wanted.count(), 0);
        }
    }
}

TEST(CreditsScreen, APressedBannerIsOutlinedUntilTheButtonIsReleased) {
    ScriptedPlatform scripted;
    RecordingOpener& opener = scripted.opener;
    CreditsScreen about(CreditsScreen::atStartUp, opener, scripted.prompter);
    about.show();
    PictureButton* banner = about.banner(1);
    EXPECT_EQ(banner->cursor().shape(), Qt::PointingHandCursor);
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        EXPECT_FALSE(banner->borderShown());
        QTest::mousePress(banner, button);
        EXPECT_TRUE(banner->borderShown());
        // Released away from the banner: the border goes all the same and
        // the page does not open.
        QTest::mouseRelease(banner, button, {}, QPoint(-20, -20));
        EXPECT_FALSE(banner->borderShown());
    }
    EXPECT_TRUE(opener.opened.isEmpty());
}

TEST(CreditsScreen, EachBannerShowsItsOwnPictureAcrossItsWholePlace) {
    ScriptedPlatform scripted;
    RecordingOpener& opener = scripted.opener;
    CreditsScreen about(CreditsScreen::atStartUp, opener, scripted.prompter);
    about.show();
    QImage shown[2];
    for (int i = 0; i < 2; ++i) {
        shown[i] = about.banner(i)->grab().toImage();
        // The picture fills the banner: its middle and its corners are
        // painted, not left in the window's navy.
        for (QPoint at :
             {shown[i].rect().center(), QPoint(4, 4), shown[i].rect().bottomRight() - QPoint(4, 4)})
            EXPECT_NE(shown[i].pixelColor(at), look::navy)
                << i << " at " << at.x() << "," << at.y();
    }
    EXPECT_NE(shown[0], shown[1]);
}

TEST(CreditsScreen, TheKeyboardReachesBannersAndContinue) {
    ScriptedPlatform scripted;
    RecordingOpener& opener = scripted.opener;
    CreditsScreen about(CreditsScreen::atStartUp, opener, scripted.prompter);
    about.show();
    about.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    EXPECT_EQ(QApplication::focusWidget(), about.continueButton());
    EXPECT_EQ(about.continueButton()->accessibleName(), QStringLiteral("Continue"));

    const Qt::Key keys[2] = {Qt::Key_Space, Qt::Key_Return};
    for (int i = 0; i < 2; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), about.banner(i));
        QTest::keyClick(about.banner(i), keys[i]);
        ASSERT_TRUE(QTest::qWaitFor([&] { return opener.opened.size() == i + 1; }));
        EXPECT_EQ(opener.opened.last(), CreditsScreen::bannerAddresses[i]);
        const QString name = about.banner(i)->accessibleName();
        EXPECT_TRUE(name.startsWith(QStringLiteral("Advertiser banner"))) << name.toStdString();
        EXPECT_TRUE(name.contains(CreditsScreen::bannerAddresses[i])) << name.toStdString();
    }

    QSignalSpy wanted(&about, &CreditsScreen::continuedAtStartUp);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), about.continueButton());
    QTest::keyClick(about.continueButton(), Qt::Key_Space);
    EXPECT_EQ(wanted.count(), 1);
    EXPECT_FALSE(about.isVisible());
}

}  // namespace
