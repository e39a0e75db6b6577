// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/player_screen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include "screens/command_button.h"
#include "screens/look.h"
#include "screens/spoken_notice.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"

namespace {

const QString refusal = QStringLiteral("Please fill in the player details properly.");

void fill(PlayerScreen& profile, const QStringList& texts) {
    for (int i = 0; i < 4; ++i) QTest::keyClicks(profile.textField(i), texts.at(i));
}

QPoint centreOf(QScrollBar* slider, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.singleStep = slider->singleStep();
    option.pageStep = slider->pageStep();
    option.upsideDown = slider->invertedAppearance();
    option.subControls = QStyle::SC_All;
    return slider->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, slider).center();
}

TEST(PlayerScreen, OpensWithEveryFieldAtItsStartValue) {
    ScriptedPrompter prompter;
    PlayerScreen profile(prompter);
    profile.show();
    EXPECT_EQ(profile.windowTitle(), QStringLiteral("Bailcrest: Player Properties"));
    const char* fields[4] = {"Name", "City", "State", "Country"};
    for (int i = 0; i < 4; ++i) {
        QLineEdit* text = profile.textField(i);
        EXPECT_EQ(text->objectName(), QStringLiteral("Text%1").arg(i + 1));
        EXPECT_EQ(text->accessibleName(), QString::fromLatin1(fields[i]));
        EXPECT_TRUE(text->text().isEmpty());
        QTest::keyClicks(text, QStringLiteral("Abcdefghijklmnopqrst"));
        EXPECT_EQ(text->text(), QStringLiteral("Abcdefghijklmnop"));
    }
    const char* skills[3] = {"Batting", "Bowling", "Fielding"};
    for (int i = 0; i < 3; ++i) {
        QScrollBar* slider = profile.slider(i);
        EXPECT_EQ(slider->objectName(), QStringLiteral("HScroll1_%1").arg(i));
        EXPECT_EQ(slider->accessibleName(), QString::fromLatin1(skills[i]));
        EXPECT_EQ(slider->orientation(), Qt::Horizontal);
        EXPECT_EQ(slider->value(), 0);
        EXPECT_EQ(slider->maximum(), 100);
        EXPECT_EQ(profile.skillDisplay(i)->objectName(), QStringLiteral("Label2_%1").arg(i));
        EXPECT_EQ(profile.skillDisplay(i)->text(), QStringLiteral("0"));
        EXPECT_EQ(profile.skillDisplay(i)->accessibleDescription(), QString::fromLatin1(skills[i]));
    }
    EXPECT_EQ(profile.overallDisplay()->objectName(), QStringLiteral("Label5"));
    EXPECT_EQ(profile.overallDisplay()->text(), QStringLiteral("0"));
    EXPECT_FALSE(profile.autoSaveBox()->isChecked());
    EXPECT_EQ(profile.autoSaveBox()->text(),
              QStringLiteral("Check this box to automatically save the game after every match."));

    EXPECT_EQ(profile.textField(0)->palette().color(QPalette::Base), look::navy);
    EXPECT_EQ(profile.textField(0)->palette().color(QPalette::Text), look::lightYellow);
    EXPECT_EQ(profile.skillDisplay(0)->palette().color(QPalette::WindowText), look::lightYellow);
    EXPECT_EQ(profile.overallDisplay()->palette().color(QPalette::WindowText), look::green);
    EXPECT_EQ(profile.autoSaveBox()->palette().color(QPalette::WindowText), look::silver);
    EXPECT_TRUE(profile.autoSaveBox()->font().bold());

    // The commands stand left to right as Exit, Load, Start.
    const char* names[PlayerScreen::commandCount] = {"Start", "Exit", "Load"};
    for (int i = 0; i < PlayerScreen::commandCount; ++i) {
        const CommandButton* command = profile.command(static_cast<PlayerScreen::Command>(i));
        EXPECT_EQ(command->objectName(), QStringLiteral("Label1_%1").arg(i));
        EXPECT_EQ(command->accessibleName(), QString::fromLatin1(names[i]));
    }
    EXPECT_LT(profile.command(PlayerScreen::Exit)->x(), profile.command(PlayerScreen::Load)->x());
    EXPECT_LT(profile.command(PlayerScreen::Load)->x(), profile.command(PlayerScreen::Start)->x());
    for (QWidget* child : profile.findChildren<QWidget*>()) {
        // The spoken notice takes no room and is never drawn.
        if (child->isHidden()) continue;
        const QRect inWindow(child->mapTo(&profile, QPoint(0, 0)), child->size());
        EXPECT_TRUE(profile.rect().contains(inWindow)) << child->objectName().toStdString();
    }
}

TEST(PlayerScreen, TheOverallIsTheFloorOfTheMean) {
    const struct {
        int batting, bowling, fielding;
        const char* overall;
    } cases[] = {{0, 0, 0, "0"},         {100, 100, 99, "99"}, {34, 33, 33, "33"},
                 {100, 100, 100, "100"}, {1, 0, 0, "0"},       {45, 20, 30, "31"}};
    for (const auto& c : cases) {
        ScriptedPrompter prompter;
        PlayerScreen profile(prompter);
        const int values[3] = {c.batting, c.bowling, c.fielding};
        for (int i = 0; i < 3; ++i) profile.slider(i)->setValue(values[i]);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(profile.skillDisplay(i)->text(), QString::number(values[i]));
        }
        EXPECT_EQ(profile.overallDisplay()->text(), QString::fromLatin1(c.overall))
            << c.batting << "/" << c.bowling << "/" << c.fielding;
    }
}

TEST(PlayerScreen, ArrowKeysAndTrackMoveASkillOneStep) {
    ScriptedPrompter prompter;
    PlayerScreen profile(prompter);
    profile.show();
    QScrollBar* batting = profile.slider(0);
    QTest::mouseClick(batting, Qt::LeftButton, {}, centreOf(batting, QStyle::SC_ScrollBarAddLine));
    EXPECT_EQ(profile.skillDisplay(0)->text(), QStringLiteral("1"));
    QTest::mouseClick(batting, Qt::LeftButton, {}, centreOf(batting, QStyle::SC_ScrollBarAddPage));
    EXPECT_EQ(profile.skillDisplay(0)->text(), QStringLiteral("2"));
    // Keys move the way they point.
    QTest::keyClick(batting, Qt::Key_Right);
    QTest::keyClick(batting, Qt::Key_Right);
    QTest::keyClick(batting, Qt::Key_Left);
    EXPECT_EQ(profile.skillDisplay(0)->text(), QStringLiteral("3"));
    QTest::keyClick(batting, Qt::Key_End);
    EXPECT_EQ(profile.skillDisplay(0)->text(), QStringLiteral("100"));
    EXPECT_EQ(profile.overallDisplay()->text(), QStringLiteral("33"));
    QTest::keyClick(batting, Qt::Key_Right);
    EXPECT_EQ(batting->value(), 100);
    QTest::keyClick(batting, Qt::Key_Home);
    EXPECT_EQ(profile.skillDisplay(0)->text(), QStringLiteral("0"));

    // Page Up and Page Down move ten at a time, up to the ends.
    QTest::keyClick(batting, Qt::Key_PageUp);
    QTest::keyClick(batting, Qt::Key_PageUp);
    EXPECT_EQ(profile.skillDisplay(0)->text(), QStringLiteral("20"));
    QTest::keyClick(batting, Qt::Key_PageDown);
    EXPECT_EQ(profile.skillDisplay(0)->text(), QStringLiteral("10"));
    QTest::keyClick(batting, Qt::Key_PageDown);
    QTest::keyClick(batting, Qt::Key_PageDown);
    EXPECT_EQ(batting->value(), 0);
}

// A screen reader says a bar's value alone as it moves ("0" after Page Down
// at 10): the skill and the overall skill it makes are told with it, once a
// move, and nothing of a bar moved without the keyboard on it.
TEST(PlayerScreen, EachMoveOfASkillBarTellsTheSkillAndTheOverallSkill) {
    ScriptedPrompter prompter;
    PlayerScreen profile(prompter);
    profile.show();
    profile.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&profile));
    auto* notice = profile.findChild<SpokenNotice*>();
    ASSERT_NE(notice, nullptr);
    profile.slider(2)->setValue(30);
    EXPECT_TRUE(notice->sentence().isEmpty());
    QScrollBar* batting = profile.slider(0);
    batting->setFocus();
    batting->setValue(10);
    QTest::keyClick(batting, Qt::Key_PageDown);
    EXPECT_EQ(notice->sentence(), QStringLiteral("Batting: 0; Player Overall Skills: %1")
                                      .arg(profile.overallDisplay()->text()));
    EXPECT_FALSE(notice->isHidden());
    QTest::keyClick(batting, Qt::Key_Right);
    EXPECT_TRUE(notice->sentence().startsWith(QStringLiteral("Batting: 1;")));
}

TEST(PlayerScreen, ADraggedThumbCountsOnlyWhenLetGo) {
    ScriptedPrompter prompter;
    PlayerScreen profile(prompter);
    profile.show();
    QScrollBar* bowling = profile.slider(1);
    const QPoint thumb = centreOf(bowling, QStyle::SC_ScrollBarSlider);
    const QPoint far(bowling->width() / 2, thumb.y());
    QTest::mousePress(bowling, Qt::LeftButton, {}, thumb);
    QMouseEvent move(QEvent::MouseMove, far, bowling->mapToGlobal(far), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bowling, &move);
    EXPECT_GT(bowling->sliderPosition(), 0);
    EXPECT_EQ(profile.skillDisplay(1)->text(), QStringLiteral("0"));
    EXPECT_EQ(profile.overallDisplay()->text(), QStringLiteral("0"));
    QTest::mouseRelease(bowling, Qt::LeftButton, {}, far);
    EXPECT_EQ(profile.skillDisplay(1)->text(), QString::number(bowling->value()));
    EXPECT_GT(bowling->value(), 0);
}

TEST(PlayerScreen, StartRefusesAnyEmptyField) {
    const QStringList full{QStringLiteral("Ravi"), QStringLiteral("Pune"), QStringLiteral("Goa"),
                           QStringLiteral("India")};
    for (int empty = 0; empty < 4; ++empty) {
        ScriptedPrompter prompter;
        PlayerScreen profile(prompter);
        QStringList texts = full;
        texts[empty].clear();
        fill(profile, texts);
        profile.slider(0)->setValue(70);
        QSignalSpy started(&profile, &PlayerScreen::startRequested);
        QTest::mouseClick(profile.command(PlayerScreen::Start), Qt::LeftButton);
        EXPECT_EQ(prompter.notices, QStringList{refusal}) << empty;
        // The first empty field is named, and has the keyboard.
        const char* named[] = {"The name is empty.", "The city is empty.", "The state is empty.",
                               "The country is empty."};
        EXPECT_EQ(prompter.noticeDetails, QStringList{QString::fromLatin1(named[empty])});
        EXPECT_EQ(profile.focusWidget(), profile.textField(empty)) << empty;
        EXPECT_EQ(started.count(), 0) << empty;
        // Everything stays as it was.
        for (int i = 0; i < 4; ++i) EXPECT_EQ(profile.textField(i)->text(), texts[i]);
        EXPECT_EQ(profile.skillDisplay(0)->text(), QStringLiteral("70"));
    }
}

TEST(PlayerScreen, BlanksCountAsFilledAndReachTheCareerAsTyped) {
    ScriptedPrompter prompter;
    PlayerScreen profile(prompter);
    fill(profile, {QStringLiteral("  "), QStringLiteral(" "), QStringLiteral("Goa "),
                   QStringLiteral(" India")});
    QSignalSpy started(&profile, &PlayerScreen::startRequested);
    QTest::mouseClick(profile.command(PlayerScreen::Start), Qt::LeftButton);
    EXPECT_TRUE(prompter.notices.isEmpty());
    EXPECT_EQ(started.count(), 1);
    const PlayerDetails details = profile.details();
    EXPECT_EQ(details.name, QStringLiteral("  "));
    EXPECT_EQ(details.city, QStringLiteral(" "));
    EXPECT_EQ(details.state, QStringLiteral("Goa "));
    EXPECT_EQ(details.country, QStringLiteral(" India"));
}

TEST(PlayerScreen, DetailsComeFromTheDisplaysNotTheSliders) {
    ScriptedPrompter prompter;
    PlayerScreen profile(prompter);
    profile.showDetails(PlayerDetails{QStringLiteral("Ramesh"), QStringLiteral("Pune"),
                                      QStringLiteral("Maharashtra"), QStringLiteral("India"),
                                      Skills{57, 12, 181}, true});
    EXPECT_EQ(profile.slider(0)->value(), 0);
    EXPECT_EQ(profile.skillDisplay(0)->accessibleName(), QStringLiteral("57"));
    const char* shown[] = {"Ramesh", "Pune", "Maharashtra", "India"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(profile.textField(i)->text(), QString::fromLatin1(shown[i]));
    }
    EXPECT_EQ(profile.overallDisplay()->text(), QStringLiteral("83"));

    PlayerDetails details = profile.details();
    EXPECT_EQ(details.name, QStringLiteral("Ramesh"));
    EXPECT_EQ(details.city, QStringLiteral("Pune"));
    EXPECT_EQ(details.state, QStringLiteral("Maharashtra"));
    EXPECT_EQ(details.country, QStringLiteral("India"));
    EXPECT_EQ(details.skills.batting, 57);
    EXPECT_EQ(details.skills.bowling, 12);
    EXPECT_EQ(details.skills.fielding, 181);
    EXPECT_TRUE(details.autoSave);
    EXPECT_TRUE(profile.autoSaveBox()->isChecked());

    profile.autoSaveBox()->setChecked(false);
    EXPECT_FALSE(profile.details().autoSave);
    // A slider change keeps the other two skills as shown.
    profile.slider(2)->setValue(30);
    EXPECT_EQ(profile.overallDisplay()->text(), QStringLiteral("33"));
    EXPECT_EQ(profile.details().skills, (Skills{57, 12, 30}));
}

TEST(PlayerScreen, TheKeyboardGoesThroughEveryControlInOrder) {
    ScriptedPrompter prompter;
    PlayerScreen profile(prompter);
    profile.show();
    profile.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&profile));
    const QStringList expected{
        QStringLiteral("Text1"),      QStringLiteral("Text2"),      QStringLiteral("Text3"),
        QStringLiteral("Text4"),      QStringLiteral("HScroll1_0"), QStringLiteral("HScroll1_1"),
        QStringLiteral("HScroll1_2"), QStringLiteral("Check1"),     QStringLiteral("Label1_1"),
        QStringLiteral("Label1_2"),   QStringLiteral("Label1_0"),   QStringLiteral("hallOfFame"),
        QStringLiteral("Text1")};
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, expected);

    // Typed, set and ticked from the keyboard alone, then started with Space.
    QSignalSpy started(&profile, &PlayerScreen::startRequested);
    for (int i = 0; i < 4; ++i) {
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Abc"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(profile.autoSaveBox()->isChecked());
    for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), profile.command(PlayerScreen::Start));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(started.count(), 1);
    EXPECT_EQ(profile.details().skills.batting, 1);
    EXPECT_TRUE(profile.details().autoSave);
}

TEST(PlayerScreen, LoadIsHandedOn) {
    ScriptedPrompter prompter;
    PlayerScreen profile(prompter);
    profile.show();
    QSignalSpy load(&profile, &PlayerScreen::loadRequested);
    QSignalSpy exit(&profile, &PlayerScreen::exitRequested);
    QTest::keyClick(profile.command(PlayerScreen::Load), Qt::Key_Space);
    EXPECT_EQ(load.count(), 1);
    EXPECT_EQ(exit.count(), 0);
    EXPECT_TRUE(profile.isVisible());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

}  // namespace
