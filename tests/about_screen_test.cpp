#include "records/about_screen.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "support/qt_printers.h"
#include "support/scripted_platform.h"
#include "ui/command_button.h"
#include "ui/look.h"
#include "ui/picture_button.h"

namespace {

QColor textColour(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

TEST(About, EveryControlStandsWhereItBelongs) {
    RecordingOpener opener;
    About about(opener);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Bailcrest: Credits"));
    EXPECT_EQ(about.size(), look::rect(0, 0, 7815, 5265).size());
    EXPECT_EQ(about.palette().color(QPalette::Window), look::navy);

    const struct {
        const char* name;
        int left, top, width, height;
    } controls[] = {{"Image1_2", -120, 0, 2400, 1500},   {"Label2_7", 2640, 0, 5055, 615},
                    {"Label2_8", 6480, 600, 1215, 255},  {"Shape1", 120, 1560, 7575, 3135},
                    {"Label2_2", 240, 1680, 3735, 255},  {"Label2_3", 240, 1920, 7335, 2055},
                    {"Image1_0", 240, 3645, 3510, 900},  {"Image1_1", 4035, 3645, 3510, 900},
                    {"Label1_0", 3120, 4800, 1575, 375}, {"status", 7200, 4800, 495, 255}};
    for (const auto& c : controls) {
        const auto* widget = about.findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_EQ(widget->geometry(), look::rect(c.left, c.top, c.width, c.height)) << c.name;
    }
    const struct {
        const char* name;
        int left, top;
    } credits[] = {{"Label2_12", 4320, 960},
                   {"Label2_4", 6000, 960},
                   {"Label2_1", 4320, 1200},
                   {"Label2_6", 5280, 1200}};
    for (const auto& c : credits) {
        const auto* widget = about.findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_EQ(widget->pos(), look::rect(c.left, c.top, 0, 0).topLeft()) << c.name;
        // Every credit fits inside the window.
        EXPECT_LE(widget->geometry().right(), about.width() - 1) << c.name;
    }
    // The pictures are the game's own, at their full size.
    EXPECT_EQ(about.banner(0)->size(), QSize(234, 60));
    const auto* corner = about.findChild<QLabel*>(QStringLiteral("Image1_2"));
    ASSERT_FALSE(corner->pixmap().isNull());
    EXPECT_EQ(corner->pixmap().deviceIndependentSize().toSize(), QSize(160, 100));
}

TEST(About, TextsAndColours) {
    RecordingOpener opener;
    About about(opener);
    const struct {
        const char* name;
        const char* text;
        QColor colour;
    } labels[] = {{"Label2_7", "BAILCREST", look::darkRed},
                  {"Label2_8", "VERSION 1.0", look::green},
                  {"Label2_12", "PROGRAMMED BY:", look::green},
                  {"Label2_4", nullptr, look::silver},
                  {"Label2_1", "WEBSITE:", look::green},
                  {"Label2_6", nullptr, look::silver},
                  {"Label2_2", "PLEASE READ CAREFULLY:", look::green},
                  {"Label2_3", nullptr, look::lightGrey}};
    for (const auto& l : labels) {
        const auto* label = about.findChild<QLabel*>(QString::fromLatin1(l.name));
        ASSERT_NE(label, nullptr) << l.name;
        if (l.text) {
            EXPECT_EQ(label->text(), QString::fromLatin1(l.text)) << l.name;
        }
        EXPECT_FALSE(label->text().isEmpty()) << l.name;
        EXPECT_EQ(textColour(label), l.colour) << l.name;
    }
    const auto* title = about.findChild<QLabel*>(QStringLiteral("Label2_7"));
    EXPECT_TRUE(title->font().bold());
    EXPECT_GT(title->font().pixelSize(), look::font().pixelSize() * 2);
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("Label2_8"))->alignment() & Qt::AlignRight,
              Qt::AlignRight);
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("Label2_3"))->text(), About::notice);
    EXPECT_TRUE(about.findChild<QLabel*>(QStringLiteral("Label2_3"))->wordWrap());
    EXPECT_EQ(about.continueButton()->text(), QStringLiteral("Continue"));

    about.show();
    const auto* status = about.findChild<QLabel*>(QStringLiteral("status"));
    EXPECT_FALSE(status->isVisible());
    EXPECT_EQ(about.status(), QStringLiteral("0"));
}

TEST(About, ContinueAtStartUpAsksForThePlayerScreenThenCloses) {
    const struct {
        const char* status;
        int wanted;
    } cases[] = {{"0", 1}, {"1", 0}, {"2", 0}};
    for (const auto& c : cases) {
        RecordingOpener opener;
        About about(opener);
        about.setStatus(QString::fromLatin1(c.status));
        about.show();
        QSignalSpy wanted(&about, &About::continuedAtStartUp);
        QSignalSpy finished(&about, &QDialog::finished);
        QTest::mouseClick(about.continueButton(), Qt::LeftButton);
        EXPECT_EQ(wanted.count(), c.wanted) << c.status;
        EXPECT_EQ(finished.count(), 1) << c.status;
        EXPECT_FALSE(about.isVisible()) << c.status;
    }
}

TEST(About, ABannerClickOpensItsPageAndChangesNothing) {
    for (int i = 0; i < 2; ++i) {
        RecordingOpener opener;
        About about(opener);
        about.setStatus(QStringLiteral("1"));
        about.show();
        QSignalSpy finished(&about, &QDialog::finished);
        QTest::mouseClick(about.banner(i), Qt::LeftButton);
        EXPECT_EQ(opener.opened, QStringList{About::bannerAddresses[i]});
        EXPECT_TRUE(about.isVisible());
        EXPECT_EQ(about.status(), QStringLiteral("1"));
        EXPECT_EQ(finished.count(), 0);
    }
    EXPECT_NE(About::bannerAddresses[0], About::bannerAddresses[1]);
    for (const QString& address : About::bannerAddresses) {
        EXPECT_TRUE(address.startsWith(QStringLiteral("https://"))) << address.toStdString();
    }
}

TEST(About, TheCornerPictureIsNoBanner) {
    RecordingOpener opener;
    About about(opener);
    about.show();
    QTest::mouseClick(about.findChild<QWidget*>(QStringLiteral("Image1_2")), Qt::LeftButton);
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_TRUE(about.isVisible());
}

TEST(About, APressedBannerIsOutlinedUntilTheButtonIsReleased) {
    RecordingOpener opener;
    About about(opener);
    about.show();
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        PictureButton* banner = about.banner(1);
        EXPECT_EQ(banner->cursor().shape(), Qt::PointingHandCursor);
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

TEST(About, TheKeyboardReachesBannersAndContinue) {
    RecordingOpener opener;
    About about(opener);
    about.show();
    about.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    EXPECT_EQ(QApplication::focusWidget(), about.continueButton());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), about.banner(0));
    QTest::keyClick(about.banner(0), Qt::Key_Space);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), about.banner(1));
    QTest::keyClick(about.banner(1), Qt::Key_Return);
    QTRY_COMPARE(opener.opened,
                 (QStringList{About::bannerAddresses[0], About::bannerAddresses[1]}));

    QSignalSpy wanted(&about, &About::continuedAtStartUp);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), about.continueButton());
    QTest::keyClick(about.continueButton(), Qt::Key_Space);
    EXPECT_EQ(wanted.count(), 1);
    EXPECT_FALSE(about.isVisible());
}

TEST(About, AccessibleNames) {
    RecordingOpener opener;
    About about(opener);
    for (int i = 0; i < 2; ++i) {
        const QString name = about.banner(i)->accessibleName();
        EXPECT_TRUE(name.startsWith(QStringLiteral("Advertiser banner"))) << name.toStdString();
        EXPECT_TRUE(name.contains(About::bannerAddresses[i])) << name.toStdString();
    }
    EXPECT_EQ(about.continueButton()->accessibleName(), QStringLiteral("Continue"));
}

}  // namespace
