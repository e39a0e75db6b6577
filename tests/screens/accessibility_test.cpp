// SPDX-License-Identifier: GPL-3.0-or-later
// One walk over every screen as a screen reader and a keyboard user meet it:
// the accessibility tree names every command, field and value, and Tab
// reaches every command and field.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "game/career.h"
#include "game/history.h"
#include "game/match.h"
#include "game/ratings.h"
#include "screens/career_in_play.h"
#include "screens/command_button.h"
#include "screens/credits_screen.h"
#include "screens/history/history_screen.h"
#include "screens/look.h"
#include "screens/main_screen.h"
#include "screens/match_screen.h"
#include "screens/player_screen.h"
#include "screens/purchase_screen.h"
#include "screens/records_screen.h"
#include "screens/sponsors_screen.h"
#include "support/scripted_platform.h"
#include "support/test_career.h"

namespace {

// A career whose skill earns some sponsorship offers and not others, with
// draws enough for the club and a few matches.
struct Screens {
    ScriptedPlatform scripted;
    std::unique_ptr<MainScreen> main;

    Screens() {
        scripted.random.draws.assign(20, 0.2);
        main = std::make_unique<MainScreen>(scripted.platform, testCareer(80, 72, 78));
        main->show();
    }

    // The texts of the career that the screens show as values.
    std::set<QString> careerTexts() const {
        const Career& career = main->career().career();
        return {career.player, career.team, categoryName(category(career.skills)), career.sponsor};
    }
};

struct ScreenCase {
    const char* name;
    std::function<QWidget*(Screens&, std::unique_ptr<QWidget>&)> open;
    bool escapeCloses;
};

template <class Screen, class... Args>
QWidget* own(std::unique_ptr<QWidget>& owner, Args&&... args) {
    owner = std::make_unique<Screen>(std::forward<Args>(args)...);
    return owner.get();
}

QWidget* purchase(Screens& s, std::unique_ptr<QWidget>& owner, PurchaseScreen::Centre centre) {
    return own<PurchaseScreen>(owner, centre, s.main->career(), s.scripted.prompter, s.main.get());
}

const ScreenCase screenCases[] = {
    {"StartUpCredits",
     [](Screens& s, auto& owner) {
         return own<CreditsScreen>(owner, CreditsScreen::atStartUp, s.scripted.opener,
                                   s.scripted.prompter);
     },
     false},
    {"MenuCredits",
     [](Screens& s, auto& owner) {
         return own<CreditsScreen>(owner, CreditsScreen::fromMenu, s.scripted.opener,
                                   s.scripted.prompter, s.main.get());
     },
     true},
    {"Player",
     [](Screens& s, auto& owner) { return own<PlayerScreen>(owner, s.scripted.prompter); }, false},
    {"Main", [](Screens& s, auto&) -> QWidget* { return s.main.get(); }, false},
    {"Match",
     [](Screens& s, auto& owner) {
         return own<MatchScreen>(owner, s.main->career(), s.scripted.platform, s.main.get());
     },
     false},
    {"Training",
     [](Screens& s, auto& owner) { return purchase(s, owner, PurchaseScreen::training); }, true},
    {"Store", [](Screens& s, auto& owner) { return purchase(s, owner, PurchaseScreen::store); },
     true},
    {"Health", [](Screens& s, auto& owner) { return purchase(s, owner, PurchaseScreen::health); },
     true},
    {"Sponsors",
     [](Screens& s, auto& owner) {
         return own<SponsorsScreen>(owner, s.main->career(), s.scripted.prompter, s.main.get());
     },
     true},
    {"RecordBook", [](Screens& s, auto&) -> QWidget* { return s.main->recordsScreen(); }, true},
    {"History",
     [](Screens& s, auto& owner) {
         // A few matches, so that the table has rows and the charts lines.
         s.main->career().update([](Career& career, CareerHistory& history) {
             for (const MatchPerformance match : {MatchPerformance{55, 2, 1}, {7, 0, 0}}) {
                 history.append(playMatch(career, match));
             }
         });
         return own<HistoryScreen>(owner, s.main->career(), s.main.get());
     },
     true},
};

void PrintTo(const ScreenCase& screenCase, std::ostream* out) {
    *out << screenCase.name;
}

struct Node {
    QAccessible::Role role;
    QString name;
    QString description;
    QWidget* widget;
    bool readOnly;
};

void walk(QAccessibleInterface* node, std::vector<Node>& found) {
    if (!node || node->state().invisible) return;
    found.push_back({node->role(), node->text(QAccessible::Name),
                     node->text(QAccessible::Description), qobject_cast<QWidget*>(node->object()),
                     node->state().readOnly != 0});
    for (int i = 0; i < node->childCount(); ++i) walk(node->child(i), found);
}

bool isField(QAccessible::Role role) {
    switch (role) {
        case QAccessible::EditableText:
        case QAccessible::ScrollBar:
        case QAccessible::Slider:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
            return true;
        default:
            return false;
    }
}

bool isCommand(QAccessible::Role role) {
    return role == QAccessible::Button || role == QAccessible::PushButton;
}

// Every widget that Tab and Shift+Tab reach from the focus the window opens with.
std::set<QWidget*> tabCycle(QWidget* window) {
    std::set<QWidget*> reached;
    for (Qt::KeyboardModifier direction : {Qt::NoModifier, Qt::ShiftModifier}) {
        for (int i = 0; i < 40 && QApplication::focusWidget(); ++i) {
            reached.insert(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, direction);
        }
    }
    reached.insert(window->focusWidget());
    return reached;
}

// Tab reaches a widget itself, or, for an option in an exclusive group, the
// group, whose options the arrow keys then choose among.
bool reachable(QWidget* widget, const std::set<QWidget*>& reached) {
    if (reached.count(widget)) return true;
    const auto* option = qobject_cast<QAbstractButton*>(widget);
    if (!option || !option->group()) return false;
    const QList<QAbstractButton*> options = option->group()->buttons();
    return std::any_of(options.begin(), options.end(),
                       [&](QAbstractButton* other) { return reached.count(other) > 0; });
}

class EveryScreen : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(EveryScreen, NamesEveryControlAndValueAndTabReachesEveryControl) {
    Screens screens;
    std::unique_ptr<QWidget> owner;
    QWidget* screen = GetParam().open(screens, owner);
    screen->show();
    screen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen));

    std::vector<Node> nodes;
    walk(QAccessible::queryAccessibleInterface(screen), nodes);
    const std::set<QString> careerTexts = screens.careerTexts();
    const QRegularExpression number(QStringLiteral("^-?\\d+(\\.\\d+)?$"));
    const std::set<QWidget*> reached = tabCycle(screen);
    int commands = 0;
    for (const Node& node : nodes) {
        const std::string where = node.widget ? node.widget->objectName().toStdString() + " \"" +
                                                    node.name.toStdString() + "\""
                                              : std::string("?");
        EXPECT_FALSE(node.description.endsWith(QLatin1Char(':'))) << where;
        // What a lone "&" leaves when it is taken for an access-key mark.
        EXPECT_FALSE(node.name.contains(QStringLiteral("  "))) << where;
        EXPECT_FALSE(node.description.contains(QStringLiteral("  "))) << where;
        if (isCommand(node.role) || isField(node.role)) {
            EXPECT_FALSE(node.name.isEmpty()) << where;
            EXPECT_FALSE(node.name.endsWith(QLatin1Char(':'))) << where;
            if (const auto* button = qobject_cast<QAbstractButton*>(node.widget);
                button && !button->text().isEmpty()) {
                EXPECT_EQ(node.name, look::accessibleCaption(button->text())) << where;
            }
            commands += isCommand(node.role);
            if (node.widget->isEnabled() && !node.readOnly) {
                EXPECT_TRUE(reachable(node.widget, reached)) << where << " is out of Tab's reach";
            }
        } else if (const auto* label = qobject_cast<QLabel*>(node.widget);
                   label && node.role == QAccessible::StaticText) {
            EXPECT_EQ(node.name, label->text()) << where;
            if (number.match(label->text()).hasMatch() || careerTexts.count(label->text())) {
                EXPECT_FALSE(node.description.isEmpty()) << where << " has no caption";
            }
        }
    }
    EXPECT_GT(commands, 0);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(screen->isVisible(), !GetParam().escapeCloses);
}

INSTANTIATE_TEST_SUITE_P(Screens, EveryScreen, ::testing::ValuesIn(screenCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Waits for the menu command's dialog, notes which it is and closes it.
QString dialogOpenedBy(MainScreen& main, const QKeySequence& key) {
    QString opened;
    QTimer answer;
    answer.setInterval(5);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!modal) return;
        opened = modal->objectName();
        if (auto* match = qobject_cast<MatchScreen*>(modal)) {
            match->okButton()->click();
        } else {
            modal->reject();
        }
    });
    // The History window opens beside the main screen, not as a modal dialog;
    // it is closed once it has become the active window, so that its
    // activation does not arrive after the main screen's next one.
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (HistoryScreen* history = main.historyScreen();
            history && history->isVisible() && history->isActiveWindow()) {
            opened = history->objectName();
            history->close();
        }
    });
    answer.start();
    QTest::keySequence(&main, key);
    return QTest::qWaitFor([&] { return !opened.isEmpty(); }) ? opened : QStringLiteral("nothing");
}

TEST(MenuKeys, EachCommandAnswersItsKeysNamedInItsTooltip) {
    const struct {
        MainScreen::Command command;
        QKeySequence key;
        const char* opens;
    } keys[] = {{MainScreen::About, Qt::Key_F1, "About"},
                {MainScreen::Sponsors, Qt::CTRL | Qt::Key_O, "Sponsors"},
                {MainScreen::Training, Qt::CTRL | Qt::Key_T, "Training"},
                {MainScreen::Store, Qt::CTRL | Qt::Key_G, "Store"},
                {MainScreen::Health, Qt::CTRL | Qt::Key_H, "Health"},
                {MainScreen::Play, Qt::Key_F5, "Match"},
                {MainScreen::Play, Qt::CTRL | Qt::Key_P, "Match"},
                {MainScreen::History, Qt::CTRL | Qt::Key_Y, "History"},
                // The offscreen platform leaves the hidden record book as the
                // active window, so it comes last.
                {MainScreen::Records, Qt::CTRL | Qt::Key_R, "Records"}};
    Screens screens;
    MainScreen& main = *screens.main;
    for (const auto& k : keys) {
        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
        const QString key = k.key.toString(QKeySequence::NativeText);
        EXPECT_EQ(dialogOpenedBy(main, k.key), QString::fromLatin1(k.opens)) << key.toStdString();
        EXPECT_TRUE(main.command(k.command)->toolTip().contains(key)) << key.toStdString();
    }
    EXPECT_EQ(main.command(MainScreen::Play)->toolTip(), QStringLiteral("Play (F5, Ctrl+P)"));
    EXPECT_EQ(main.command(MainScreen::History)->toolTip(), QStringLiteral("History (Ctrl+Y)"));
    EXPECT_EQ(main.career().career().statistics().matches, 2);

    Screens again;
    QSignalSpy exits(again.main.get(), &MainScreen::exitRequested);
    again.main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(again.main.get()));
    EXPECT_EQ(again.main->command(MainScreen::Exit)->toolTip(), QStringLiteral("Exit (Ctrl+Q)"));
    QTest::keySequence(again.main.get(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_TRUE(QTest::qWaitFor([&] { return exits.count() == 1; }));
    EXPECT_FALSE(again.main->isVisible());
}

}  // namespace
