// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/main_screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "game/money.h"
#include "game/play_messages.h"
#include "game/ratings.h"
#include "game/selection.h"
#include "game/shown_numbers.h"
#include "game/start_career.h"
#include "screens/career_in_play.h"
#include "screens/career_summary_screen.h"
#include "screens/command_button.h"
#include "screens/condition_bar.h"
#include "screens/credits_screen.h"
#include "screens/hall_of_fame_screen.h"
#include "screens/history/history_screen.h"
#include "screens/look.h"
#include "screens/match_changes.h"
#include "screens/match_screen.h"
#include "screens/platform.h"
#include "screens/play_on_dialog.h"
#include "screens/play_on_news.h"
#include "screens/prompter.h"
#include "screens/purchase_screen.h"
#include "screens/records_screen.h"
#include "screens/save_claim_prompts.h"
#include "screens/shown_active.h"
#include "screens/spoken_notice.h"
#include "screens/sponsors_screen.h"
#include "screens/titled_frame.h"
#include "screens/window_place.h"
#include "session/career_session.h"

namespace {

// A label on a frame's title line, at its far end, as wide as its text: it
// covers nothing but the line.
void placeAtTitleLineEnd(QLabel* label) {
    const int width = label->fontMetrics().horizontalAdvance(label->text()) + 4;
    const int height = label->fontMetrics().height();
    const int right = label->parentWidget()->width() - look::px(120);
    label->setGeometry(label->isRightToLeft() ? look::px(120) : right - width, 0, width, height);
}

constexpr int rowStep = 270;
constexpr int firstRow = 300;
constexpr int rowHeight = 255;
constexpr int barLeft = 1740;

int rowTop(int row) {
    return firstRow + row * rowStep;
}

TitledFrame* frame(QWidget* parent, const QString& objectName, const QString& title, int left,
                   int top, int width, int height) {
    auto* f = new TitledFrame(title, parent);
    f->setObjectName(objectName);
    look::place(f, look::rect(left, top, width, height));
    return f;
}

QList<QKeySequence> quitKeys() {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Quit);
    const QKeySequence ctrlQ(Qt::CTRL | Qt::Key_Q);
    if (!keys.contains(ctrlQ)) keys << ctrlQ;
    return keys;
}

void fill(QWidget* bar, const QColor& colour) {
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, colour);
    bar->setPalette(palette);
}

QString number(int value) {
    return shownNumber(value);
}

// What Play on was last asked for, offered again for the rest of this run
// of the program, never written to a file.
PlayOnRules& rememberedRules() {
    static PlayOnRules rules;
    return rules;
}

// The main screen's height, one command row below the design's, where Play
// on and the line of a run stand, below the frames, Play on below the menu
// and wider than the menu's commands, for the languages that write it long.
constexpr int windowHeight = 5775;
constexpr int runLineTop = 5295;
constexpr QRect playOnPlace{7080, runLineTop + 60, 1815, 375};

// How long a run plays before it lets the windows draw and the keys be
// heard: well within the 50 ms a player notices, and never so many matches
// that the windows are seen to jump.
constexpr int runSliceMs = 20;
constexpr int mostMatchesASlice = 25;

// A career without a sponsor holds "..." (as its save file does), which is
// shown in the player's language.
QString sponsorName(const QString& name) {
    if (name == QLatin1String("..."))
        //: Shown beside "Sponsor:" while the player has no sponsor.
        return MainScreen::tr("...");
    return name;
}

}  // namespace

MainScreen::MainScreen(Platform& platform, Career career, AutoSave autoSave, SaveTarget saveTarget,
                       HistoryReading history)
    : platform_(platform),
      career_(new CareerInPlay(
          CareerSession(std::move(career), std::move(autoSave), std::move(saveTarget),
                        std::move(history.history), history.leftOut),
          this)) {
    setObjectName(QStringLiteral("Main"));
    look::setUpWindow(this, tr("Bailcrest v1.0"), 9015, windowHeight);
    buildPanes();

    buildProfile();
    buildLevelStats();
    buildFinance();
    buildConditions();
    buildMenu();
    buildRunLine();

    changesNotice_ = new SpokenNotice(this);
    records_ = new RecordsScreen(*career_, this);
    connect(career_, &CareerInPlay::changed, this, &MainScreen::showCareer);
    showCareer();
}

MainScreen::~MainScreen() {
    // Not a child of this window, which it would stand over, but its own.
    delete history_;
}

void MainScreen::buildPanes() {
    // The design's screen keeps its size in the window's first pane; the
    // second holds the History pane where the desktop cannot place a window
    // beside this one, and the window grows to hold it.
    panes_ = new QSplitter(Qt::Horizontal, this);
    panes_->setObjectName(QStringLiteral("panes"));
    panes_->setChildrenCollapsible(false);
    // The splitter sets a right-to-left first pane a pixel off its edge:
    // its panes stand left to right, each in the game's direction.
    panes_->setLayoutDirection(Qt::LeftToRight);
    panes_->setGeometry(rect());
    auto* holder = new QWidget(panes_);
    holder->setLayoutDirection(layoutDirection());
    holder->setObjectName(QStringLiteral("screenPane"));
    holder->setMinimumSize(size());
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    design_ = new QWidget(holder);
    design_->setObjectName(QStringLiteral("screen"));
    design_->setFixedSize(size());
    layout->addWidget(design_, 0, Qt::AlignTop | Qt::AlignLeading);
    layout->addStretch();
    panes_->addWidget(holder);
}

void MainScreen::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    panes_->setGeometry(rect());
}

QLabel* MainScreen::addFigure(QWidget* frame, const QString& objectName, const QString& captionText,
                              QRect captionPlace, QRect valuePlace,
                              std::function<QString(const Career&)> text) {
    QLabel* caption = look::caption(frame, QStringLiteral("caption_") + objectName, captionText,
                                    look::silver, captionPlace);
    QLabel* label = look::value(frame, objectName, captionText, look::lightYellow, valuePlace);
    look::labelWith(caption, label);
    figures_.push_back({label, std::move(text), caption, label->accessibleDescription()});
    return label;
}

QLabel* MainScreen::addCondition(QWidget* frame, int row, const QString& objectName,
                                 const QString& barName, const QString& captionText,
                                 std::function<int(const Career&)> value, bool overall) {
    QLabel* label =
        addFigure(frame, objectName, captionText, look::rect(120, rowTop(row), 960, rowHeight),
                  look::rect(1080, rowTop(row), 525, rowHeight),
                  [value](const Career& c) { return number(value(c)); });
    look::align(label, Qt::AlignRight | Qt::AlignVCenter);
    auto* bar = new QWidget(frame);
    bar->setObjectName(barName);
    bar->setAutoFillBackground(true);
    look::place(bar, look::rect(barLeft, rowTop(row), fullBarTwips, rowHeight));
    fill(bar, look::blue);
    bars_.push_back({bar, rowTop(row), std::move(value), overall ? label : nullptr});
    return label;
}

void MainScreen::buildProfile() {
    auto* profile =
        frame(design_, QStringLiteral("Frame_PROFILE"), tr("PROFILE"), 120, 120, 3615, 1935);
    // At the far end of the frame's title line while the career is not being
    // saved, in red; the reason is its description, and its tip under the
    // mouse.
    //: Shown on the main screen while the career's saves are off.
    savingStatus_ = look::value(profile, QStringLiteral("savingStatus"), tr("Not being saved"),
                                look::red, QRect());
    savingStatus_->setAutoFillBackground(true);
    savingStatus_->setAlignment(Qt::AlignCenter);
    savingStatus_->setText(tr("Not being saved"));
    placeAtTitleLineEnd(savingStatus_);
    savingStatus_->hide();
    const auto row = [&](int i, const char* objectName, const QString& caption,
                         std::function<QString(const Career&)> text) {
        addFigure(profile, QString::fromLatin1(objectName), caption,
                  look::rect(120, rowTop(i), 1095, rowHeight),
                  look::rect(1215, rowTop(i), 2280, rowHeight), std::move(text));
    };
    row(0, "player", tr("Player:"), [](const Career& c) { return c.player; });
    row(1, "team", tr("Team:"), [](const Career& c) { return teamName(c.team); });
    row(2, "role", tr("Category:"),
        [](const Career& c) { return categoryName(category(c.skills)); });
    row(3, "sponsor", tr("Sponsor:"), [](const Career& c) { return sponsorName(c.sponsor); });

    const auto skill = [&](int i, int left, const char* objectName, const QString& caption,
                           std::function<QString(const Career&)> text) {
        return addFigure(profile, QString::fromLatin1(objectName), caption,
                         look::rect(left, rowTop(i), 1095, rowHeight),
                         look::rect(left + 1095, rowTop(i), 480, rowHeight), std::move(text));
    };
    skill(4, 120, "Label2_0", tr("Batting:"),
          [](const Career& c) { return number(c.skills.batting); });
    skill(4, 1920, "Label2_1", tr("Bowling:"),
          [](const Career& c) { return number(c.skills.bowling); });
    skill(5, 120, "Label2_2", tr("Fielding:"),
          [](const Career& c) { return number(c.skills.fielding); });
    warnedFigures_.emplace_back(Shortfall::fielding, figures_.size() - 1);
    //: The overall skill, worked out from batting, bowling and fielding.
    QLabel* overall = skill(5, 1920, "skill", tr("Overall:"),
                            [](const Career& c) { return number(overallSkill(c.skills)); });
    look::setTextColour(overall, look::green);
    warnedFigures_.emplace_back(Shortfall::overallSkill, figures_.size() - 1);
}

void MainScreen::buildLevelStats() {
    auto* stats = frame(design_, QStringLiteral("Frame_LEVEL_STATS"), tr("LEVEL STATS"), 120, 2160,
                        3615, 3015);
    const auto row = [&](int i, const char* objectName, const QString& caption,
                         std::function<QString(const LevelStatistics&)> text) {
        addFigure(stats, QString::fromLatin1(objectName), caption,
                  look::rect(120, rowTop(i), 2280, rowHeight),
                  look::rect(2400, rowTop(i), 1095, rowHeight),
                  [text = std::move(text)](const Career& c) { return text(c.statistics()); });
    };
    row(0, "matches", tr("Matches Played:"),
        [](const LevelStatistics& s) { return number(s.matches); });
    row(1, "runs", tr("Runs Scored:"), [](const LevelStatistics& s) { return number(s.runs); });
    row(2, "wickets", tr("Wickets Taken:"),
        [](const LevelStatistics& s) { return number(s.wickets); });
    row(3, "catches", tr("Catches Held:"),
        [](const LevelStatistics& s) { return number(s.catches); });
    row(4, "highestscore", tr("Highest Score:"),
        [](const LevelStatistics& s) { return number(s.highestScore); });
    row(5, "bataverage", tr("Batting Average:"),
        [](const LevelStatistics& s) { return shownAverage(s.battingAverage); });
    row(6, "fifty", tr("50s:"), [](const LevelStatistics& s) { return number(s.fifties); });
    row(7, "hundred", tr("100s:"), [](const LevelStatistics& s) { return number(s.hundreds); });
    row(8, "mostwickets", tr("Most Wickets:"),
        [](const LevelStatistics& s) { return number(s.mostWickets); });
    row(9, "fivewickets", tr("5 Wickets:"),
        [](const LevelStatistics& s) { return number(s.fiveWicketHauls); });

    // The level these statistics are of, at the far end of the frame's title
    // line, where it covers nothing but the line; its place follows its width.
    //: The level the player plays at now: Club, City, State or National.
    levelName_ = look::value(stats, QStringLiteral("level"), tr("Level:"), look::green, QRect());
    levelName_->setAutoFillBackground(true);
    levelName_->setAlignment(Qt::AlignCenter);
}

void MainScreen::showLevelName(Level level) {
    levelName_->setText(levelName(level));
    levelName_->setAccessibleName(levelName_->text());
    placeAtTitleLineEnd(levelName_);
}

void MainScreen::buildFinance() {
    auto* finance =
        frame(design_, QStringLiteral("Frame_FINANCE"), tr("FINANCE"), 3840, 120, 3615, 1455);
    const auto row = [&](int i, const char* objectName, const QString& caption,
                         double Career::*amount) {
        return addFigure(finance, QString::fromLatin1(objectName), caption,
                         look::rect(120, rowTop(i), 2160, rowHeight),
                         look::rect(2280, rowTop(i), 1215, rowHeight),
                         [amount](const Career& c) { return shownMoney(c.*amount); });
    };
    row(0, "matchfee", tr("Match Fee (Rs):"), &Career::matchFee);
    row(1, "sponsorship", tr("Sponsorship (Rs):"), &Career::sponsorship);
    row(2, "otherincome", tr("Other Incomes (Rs):"), &Career::otherIncome);
    QLabel* balance = row(3, "bankbalance", tr("Bank Balance (Rs):"), &Career::bankBalance);
    look::setTextColour(balance, look::green);
}

void MainScreen::buildConditions() {
    auto* accessories =
        //: Heading of the player's cricket gear (bat, gloves, pads, others).
        frame(design_, QStringLiteral("Frame_ACCESSORIES"), tr("ACCESSORIES"), 3840, 1680, 3615,
              1815);
    auto* health =
        //: Heading of the player's body: fitness, health and stamina.
        frame(design_, QStringLiteral("Frame_HEALTH"), tr("HEALTH"), 3840, 3600, 3615, 1575);
    const struct {
        QString caption;
        std::int16_t (*value)(const Career&);
    } conditions[7] = {
        {tr("Bat:"), [](const Career& c) { return c.gear.bat; }},
        {tr("Gloves:"), [](const Career& c) { return c.gear.gloves; }},
        {tr("Pads:"), [](const Career& c) { return c.gear.pads; }},
        //: The other pieces of cricket gear, besides bat, gloves and pads.
        {tr("Others:"), [](const Career& c) { return c.gear.others; }},
        {tr("Fitness:"), [](const Career& c) { return c.body.fitness; }},
        {tr("Health:"), [](const Career& c) { return c.body.health; }},
        {tr("Stamina:"), [](const Career& c) { return c.body.stamina; }},
    };
    for (int i = 0; i < 7; ++i) {
        addCondition(i < 4 ? accessories : health, i < 4 ? i : i - 4,
                     QStringLiteral("Label23_%1").arg(i), QStringLiteral("Shape3_%1").arg(i),
                     conditions[i].caption, conditions[i].value, false);
        warnedFigures_.emplace_back(static_cast<Shortfall::Figure>(Shortfall::bat + i),
                                    figures_.size() - 1);
    }
    addCondition(
        accessories, 4, QStringLiteral("Label24"), QStringLiteral("Shape4"), tr("Overall:"),
        [](const Career& c) { return overallGear(c.gear); }, true);
    addCondition(
        health, 3, QStringLiteral("Label25"), QStringLiteral("Shape5"), tr("Overall:"),
        [](const Career& c) { return overallHealth(c.body); }, true);
}

void MainScreen::buildMenu() {
    auto* menu = frame(design_, QStringLiteral("Frame_menu"), QString(), 7560, 120, 1335, 5055);
    menu_ = menu;
    // Each command's keys: Play also on F5, Exit on the desktop's Quit key,
    // the store on G for gear (S would suggest Save), sponsors on O for offers,
    // the history on Y for years (H is taken by Health), the hall of fame on F
    // in the gap the column leaves between About and Sponsors, and Play on, on
    // Shift+F5, below the menu, where the column has no gap left.
    const struct {
        QString caption;
        int top;
        QList<QKeySequence> keys;
    } entries[commandCount] = {
        //: Main menu command: opens the credits.
        {tr("About"), 795, {Qt::Key_F1}},
        //: Main menu command: ends the game at once, without saving.
        {tr("Exit"), 315, quitKeys()},
        //: Main menu command: opens the sponsorship offers.
        {tr("Sponsors"), 1755, {Qt::CTRL | Qt::Key_O}},
        //: Main menu command: opens the cricket gear store (a shop, not "save").
        {tr("Store"), 2715, {Qt::CTRL | Qt::Key_G}},
        //: Main menu command: opens the training centre, where skills are bought.
        {tr("Training"), 2235, {Qt::CTRL | Qt::Key_T}},
        //: Main menu command (a verb): plays the next match.
        {tr("Play"), 4635, {Qt::Key_F5, Qt::CTRL | Qt::Key_P}},
        //: Main menu command: opens the record book of every level.
        {tr("Records"), 4155, {Qt::CTRL | Qt::Key_R}},
        //: Main menu command: opens the health care centre (fitness, health, stamina).
        {tr("Health"), 3195, {Qt::CTRL | Qt::Key_H}},
        //: Main menu command: opens the career's History window.
        {tr("History"), 3675, {Qt::CTRL | Qt::Key_Y}},
        //: Main menu command: opens the hall of fame, the best careers ever
        //: played. The button is narrow: a short word.
        {tr("Fame"), 1275, {Qt::CTRL | Qt::Key_F}},
        //: Main menu command: plays many matches in a run, asking first how many.
        {tr("Play on…"), 0, {Qt::SHIFT | Qt::Key_F5}}};
    // Tab order follows the column from top to bottom.
    const Command columnOrder[commandCount] = {
        Exit, About, HallOfFame, Sponsors, Training, Store, Health, History, Records, Play, PlayOn};
    for (int i = 0; i < commandCount; ++i) {
        auto* button = new CommandButton(entries[i].caption, menu);
        button->setObjectName(QStringLiteral("Label1_%1").arg(i));
        look::place(button, look::rect(120, entries[i].top, 1095, 375));
        button->setShortcuts(entries[i].keys);
        commands_[i] = button;
        // Given from the History window on its own, the keyboard goes back there.
        connect(button->action(), &QAction::triggered, this, [this, i] {
            const bool fromHistory = history_ && QApplication::activeWindow() == history_;
            runCommand(static_cast<Command>(i), fromHistory ? history_ : nullptr);
        });
    }
    CommandButton* playOn = commands_[PlayOn];
    playOn->setObjectName(QStringLiteral("playOn"));
    playOn->setParent(design_);
    look::place(playOn, look::rect(playOnPlace.x(), playOnPlace.y(), playOnPlace.width(),
                                   playOnPlace.height()));
    playOn->show();
    for (int i = 1; i < commandCount; ++i) {
        setTabOrder(commands_[columnOrder[i - 1]], commands_[columnOrder[i]]);
    }
    // The window opens with Play ready for Return; the first command of the
    // column is Exit, which would end the program unsaved.
    commands_[Play]->setFocus();
}

// Below the menu's frames while a run plays: which match it is at, and the
// command that stops it after that match.
void MainScreen::buildRunLine() {
    //: The accessible description of the line that follows a run of matches.
    progress_ = look::value(design_, QStringLiteral("runProgress"), tr("Play on"),
                            look::lightYellow, look::rect(120, runLineTop + 60, 6840, 375));
    progress_->hide();
    //: The command that stops a run of matches after the match being played.
    stop_ = new CommandButton(tr("Stop"), design_);
    stop_->setObjectName(QStringLiteral("stopRun"));
    // In Play on's place while the run plays.
    look::place(stop_, look::rect(playOnPlace.x(), playOnPlace.y(), playOnPlace.width(),
                                  playOnPlace.height()));
    stop_->hide();
    connect(stop_, &QAbstractButton::clicked, this, &MainScreen::stopRun);
    // Escape stops the run at once, not after a button's press is shown.
    stopKey_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    stopKey_->setEnabled(false);
    connect(stopKey_, &QShortcut::activated, this, &MainScreen::stopRun);
    runStep_ = new QTimer(this);
    runStep_->setSingleShot(true);
    runStep_->setInterval(0);
    connect(runStep_, &QTimer::timeout, this, &MainScreen::playNextOfRun);
    // A screen reader hears the line at most once a second, however fast the
    // matches go.
    announceProgress_ = new QTimer(this);
    announceProgress_->setInterval(1000);
    connect(announceProgress_, &QTimer::timeout, this, [this] {
        if (progress_->accessibleName() != progress_->text())
            progress_->setAccessibleName(progress_->text());
    });
}

void MainScreen::showDropWarnings() {
    const std::vector<DropWarning> warnings = dropWarnings(career_->career());
    for (const auto& [figure, index] : warnedFigures_) {
        const Figure& shown = figures_.at(index);
        const auto warning =
            std::find_if(warnings.begin(), warnings.end(),
                         [figure = figure](const DropWarning& w) { return w.figure == figure; });
        const bool marked = warning != warnings.end();
        const QString reason = marked ? dropWarningText(*warning) : QString();
        look::setTextColour(shown.caption, marked ? look::red : look::silver);
        shown.caption->setToolTip(reason);
        if (marked) shown.label->setToolTip(reason);
        shown.label->setAccessibleDescription(marked ? reason : shown.description);
    }
}

void MainScreen::showSavingStatus() {
    const auto& off = career_->session().whySavingOff();
    const QString reason = off ? savingOffReason(*off) : QString();
    savingStatus_->setToolTip(reason);
    savingStatus_->setAccessibleDescription(reason);
    savingStatus_->setVisible(off.has_value());
}

void MainScreen::showCareer() {
    const Career& career = career_->career();
    for (const Figure& figure : figures_) look::setValueText(figure.label, figure.text(career));
    showLevelName(career.level);
    for (const Bar& bar : bars_) {
        const int value = bar.value(career);
        // The bar grows from its start, the left (right to left, the right).
        look::place(bar.bar, look::rect(barLeft, bar.top, barTwips(value), rowHeight));
        if (!bar.overallLabel) continue;
        const QColor colour = runningLow(value) ? look::red : look::green;
        fill(bar.bar, colour);
        look::setTextColour(bar.overallLabel, colour);
    }
    showDropWarnings();
}

void MainScreen::runCommand(Command command, QWidget* from) {
    // While a run plays, the menu waits; only Stop is given.
    if (run_) return;
    // A visit to another screen leaves the keyboard where it was.
    QWidget* window = from ? from : this;
    const QPointer<QWidget> focused = window->focusWidget();
    const QPointer<QWidget> back = window;
    switch (command) {
        case About:
            showCredits();
            break;
        case Exit:
            close();
            return;
        case Sponsors:
            SponsorsScreen(*career_, platform_.prompter, this).exec();
            break;
        case Store:
            PurchaseScreen(PurchaseScreen::store, *career_, platform_.prompter, this).exec();
            break;
        case Training:
            PurchaseScreen(PurchaseScreen::training, *career_, platform_.prompter, this).exec();
            break;
        case Play:
            play();
            if (!isVisible()) return;
            // A career that ended leaves the keyboard with its summary.
            if (summary_) return;
            if (from && back && back->isVisible()) {
                // Played from the History window, the player watches it on.
                back->activateWindow();
                if (focused) focused->setFocus();
                return;
            }
            // Whatever Play led to, the next Return plays on; the keyboard is
            // never left on Exit, where Return would end the program unsaved.
            activateWindow();
            commands_[Play]->setFocus();
            return;
        case Records:
            records_->exec();
            break;
        case Health:
            PurchaseScreen(PurchaseScreen::health, *career_, platform_.prompter, this).exec();
            break;
        case History:
            showHistory();
            return;
        case HallOfFame:
            showHallOfFame();
            break;
        case PlayOn:
            playOn();
            return;
        case commandCount:
            break;
    }
    // A window manager may leave no window active while a dialog closes:
    // the keyboard comes back to where the command was given all the same.
    if (!back || !back->isVisible()) return;
    back->activateWindow();
    if (focused) focused->setFocus();
}

QRect MainScreen::commandsOnDesktop() const {
    const QWidget* menu = commands_[Exit]->parentWidget();
    return QRect(menu->mapToGlobal(QPoint(0, 0)), menu->size());
}

void MainScreen::openHistory() {
    history_ = new HistoryScreen(*career_, nullptr);
    // Every command of the menu answers its keys there too, so the player
    // can play on while he watches the career grow.
    for (int i = 0; i < commandCount; ++i)
        if (i != History) history_->addAction(commands_[i]->action());
    // However it is closed (OK, Escape, the close box, with this window),
    // it comes back where the player left it; a pane gives its room back.
    connect(history_, &QDialog::finished, this, [this] {
        if (history_->isWindow()) {
            historyPlace_->remember(*history_);
            historyDetached_ = false;
        } else {
            fitScreenAlone();
        }
    });
    connect(history_, &HistoryScreen::detachRequested, this, &MainScreen::detachHistory);
    history_->installEventFilter(this);
    historyPlaceWatch_ = new QTimer(this);
    historyPlaceWatch_->setSingleShot(true);
    // Long enough for a window manager to have placed a window it maps.
    historyPlaceWatch_->setInterval(500);
    connect(historyPlaceWatch_, &QTimer::timeout, this, &MainScreen::checkHistoryPlace);
}

QRect MainScreen::keptInSight() const {
    // The summary at a career's end stands over this window; its commands
    // are kept in sight as this window's are.
    QRect kept = commandsOnDesktop();
    if (summary_ && summary_->isVisible()) kept |= summary_->commandsOnDesktop();
    return kept;
}

void MainScreen::placeHistory() {
    const QRect kept = keptInSight();
    if (const std::optional<QRect> left = historyPlace_->whereLeft(kept)) {
        history_->openWhereLeft(*left);
        return;
    }
    // Beside this window (and the summary over it) where the screen has
    // room, never over their commands.
    const QScreen* on = screen();
    const QRect room = on ? on->availableGeometry() : QRect();
    if (room.isValid()) {
        QRect beside = frameGeometry();
        if (summary_ && summary_->isVisible()) beside |= summary_->frameGeometry();
        const QSize wanted = history_->size().grownBy(HistoryScreen::expectedFrame());
        const QSize least = history_->leastUsefulSize().grownBy(HistoryScreen::expectedFrame());
        history_->openAt(besideMainWindow(beside, kept, wanted, least, room));
    }
}

bool MainScreen::historyGoesInPane() const {
    return !historyDetached_ && (!desktopPlacesWindows() || historyPlace_->placeIgnored());
}

void MainScreen::showHistory() {
    // One window for the career, open beside this one while the player plays
    // on; shown again, it keeps its tab and sort, and its size and place
    // where these still leave this window's commands in sight. Where the
    // desktop cannot place it so, it stands in a pane of this window.
    if (!history_) openHistory();
    if (history_->isVisible()) {
        if (history_->isWindow()) {
            showActive(history_);
        } else {
            activateWindow();
            focusHistoryPane();
        }
        return;
    }
    if (historyGoesInPane()) {
        showHistoryInPane();
        return;
    }
    placeHistory();
    showActive(history_);
    historyPlaceWatch_->start();
}

bool MainScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == history_ && event->type() == QEvent::Move && historyPlaceWatch_->isActive())
        checkHistoryPlace();
    return QWidget::eventFilter(watched, event);
}

void MainScreen::checkHistoryPlace() {
    // A window manager that placed the window where it chose, over the
    // commands, would place it so again: from now on it stands in a pane.
    if (!history_->isWindow() || !history_->isVisible() ||
        !history_->frameGeometry().intersects(keptInSight()))
        return;
    historyPlaceWatch_->stop();
    historyPlace_->notePlaceIgnored();
    history_->hide();
    showHistoryInPane();
}

void MainScreen::showHistoryInPane() {
    if (history_->isWindow()) {
        history_->setParent(panes_, Qt::Widget);
        history_->setLayoutDirection(layoutDirection());
        panes_->addWidget(history_);
    }
    // The window grows by the pane: as wide as the window would open and
    // never less than its least size, where the screen has the room; on a
    // screen too small for both, the pane takes the room left and scrolls.
    const QSize screenSize = design_->size();
    const int handle = panes_->handleWidth();
    QSize room(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (const QScreen* on = screen())
        room = on->availableGeometry().marginsRemoved(HistoryScreen::expectedFrame()).size();
    const QSize besides(screenSize.width() + handle, 0);
    const QSize least = history_->leastUsefulSize().boundedTo(room - besides);
    history_->setMinimumSize(least);
    setMinimumSize(screenSize.width() + handle + least.width(),
                   std::max(screenSize.height(), least.height()));
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QSize wanted = history_->preferredSize();
    const QSize grown(screenSize.width() + handle + wanted.width(),
                      std::max(screenSize.height(), wanted.height()));
    resize(grown.boundedTo(room).expandedTo(minimumSize()));
    panes_->setSizes({screenSize.width(), width() - screenSize.width() - handle});
    placeWholeOnScreen();
    history_->show();
    activateWindow();
    focusHistoryPane();
}

void MainScreen::placeWholeOnScreen() {
    if (!isVisible()) return;
    // A compositor keeps a window where it first placed it, however it then
    // grows or shrinks: shown anew, the window is placed whole on the screen
    // (and floats again once it is back to its fixed size).
    if (!desktopPlacesWindows()) {
        hide();
        show();
        return;
    }
    const QScreen* on = screen();
    if (!on) return;
    const QRect room = on->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveRight(std::min(frame.right(), room.right()));
    frame.moveBottom(std::min(frame.bottom(), room.bottom()));
    frame.moveLeft(std::max(frame.left(), room.left()));
    frame.moveTop(std::max(frame.top(), room.top()));
    if (frame.topLeft() != frameGeometry().topLeft()) move(frame.topLeft());
}

void MainScreen::focusHistoryPane() {
    QWidget* focused = history_->focusWidget();
    (focused ? focused : history_->okButton())->setFocus(Qt::OtherFocusReason);
}

void MainScreen::fitScreenAlone() {
    const bool grown = size() != design_->size();
    setFixedSize(design_->size());
    if (grown && !desktopPlacesWindows()) placeWholeOnScreen();
}

void MainScreen::detachHistory() {
    history_->hide();
    history_->setParent(nullptr, Qt::Window);
    fitScreenAlone();
    // Until it is closed: opened again, it stands where the desktop allows.
    historyDetached_ = true;
    placeHistory();
    showActive(history_);
}

void MainScreen::showCredits() {
    CreditsScreen credits(CreditsScreen::fromMenu, platform_.opener, platform_.prompter, this);
    credits.exec();
}

void MainScreen::play() {
    // The player reads what happened before the window shows the change, as
    // he would hear the news before seeing its effect.
    const PlayOutcome outcome = career_->update([this](CareerSession& session) {
        PlayOutcome played = session.play(platform_.random, [this](double bribe) {
            // Taking the money can end the career, so a Return or Escape
            // pressed without reading refuses it.
            return platform_.prompter.question(this, bookieOfferQuestion(bribe),
                                               Prompter::Answer::no);
        });
        for (const Notice& notice : played.notices)
            platform_.prompter.notice(this, shownNoticeText(notice));
        return played;
    });
    if (outcome.next == PlayNext::match) {
        playMatch();
    } else if (outcome.next == PlayNext::careerOver) {
        endCareer(careerEndingOf(outcome));
    }
}

void MainScreen::playOn() {
    PlayOnDialog dialog(rememberedRules(), this);
    if (dialog.exec() != QDialog::Accepted) {
        activateWindow();
        commands_[PlayOn]->setFocus();
        return;
    }
    rememberedRules() = dialog.rules();
    startRun(dialog.rules());
}

void MainScreen::startRun(const PlayOnRules& rules) {
    if (run_) return;
    career_->update(
        [&](CareerSession& session) { run_ = std::make_unique<PlayOnRun>(session, rules); });
    menu_->setEnabled(false);
    commands_[PlayOn]->hide();
    progress_->show();
    stop_->show();
    stop_->setFocus();
    stopKey_->setEnabled(true);
    showProgress();
    progress_->setAccessibleName(progress_->text());
    announceProgress_->start();
    runStep_->start();
}

void MainScreen::stopRun() {
    if (run_) run_->stop();
}

// Matches from the event loop, as many as a short slice of time holds, so
// that the windows show them, Escape is heard and nothing waits on the run,
// while windows that take long to draw (the History window's charts) are
// drawn once a slice, not once a match.
void MainScreen::playNextOfRun() {
    if (!run_) return;
    if (!run_->goesOn()) {
        endRun();
        return;
    }
    QElapsedTimer slice;
    slice.start();
    career_->update([&](CareerSession&) {
        int played = 0;
        // No match is begun that would, as long as the longest of the slice
        // so far, end past the slice: a disk slow to sync a save makes each
        // match dearer, and the slice then holds fewer.
        qint64 longestMatch = 0;
        do {
            const qint64 matchStart = slice.elapsed();
            ++played;
            const PlayOnStep step = run_->playNext(platform_.random, [this](double bribe) {
                // As on a single press: a Return or Escape pressed without
                // reading refuses the money.
                return platform_.prompter.question(this, bookieOfferQuestion(bribe),
                                                   Prompter::Answer::no);
            });
            if (step.confirmed && step.confirmed->saved) savedInRun_ = true;
            longestMatch = std::max(longestMatch, slice.elapsed() - matchStart);
        } while (played < mostMatchesASlice && slice.elapsed() + longestMatch < runSliceMs &&
                 run_->goesOn());
    });
    showProgress();
    runStep_->start();
}

void MainScreen::showProgress() {
    const int total = run_->rules().matches;
    const int match = std::min(run_->matchesPlayed() + 1, total);
    //: The line that follows a run of matches: "Match 37 of 100".
    progress_->setText(tr("Match %1 of %2").arg(shownNumber(match), shownNumber(total)));
}

void MainScreen::endRun() {
    runStep_->stop();
    announceProgress_->stop();
    stopKey_->setEnabled(false);
    const std::unique_ptr<PlayOnRun> run = std::move(run_);
    progress_->hide();
    stop_->hide();
    commands_[PlayOn]->show();
    menu_->setEnabled(true);
    showSavingStatus();
    {
        PlayOnNewsScreen news(*run, career_->career(), this);
        news.exec();
    }
    if (savedInRun_) tellWhereSaved();
    savedInRun_ = false;
    emit runEnded();
    if (run->careerOver()) {
        endCareer(careerEndingOf(run->lastPlayed()));
        return;
    }
    activateWindow();
    commands_[PlayOn]->setFocus();
}

void MainScreen::claimSaveFile() {
    career_->update(
        [this](CareerSession& session) { settleSaveClaim(session, platform_.prompter, this); });
    showSavingStatus();
}

void MainScreen::playMatch() {
    const Career before = career_->career();
    MatchScreen match(*career_, platform_, this);
    match.exec();
    // Told once the keyboard is back on this window, after whatever the match
    // led to: a screen reader would cut a sentence short for the window's title.
    pendingChanges_ = matchChanges(before, career_->career());
    if (isActiveWindow()) tellChanges();
    showSavingStatus();
    // Saves that cannot go beside the game go to the player's own folder; he
    // is told where at the first of them.
    if (match.saved()) tellWhereSaved();
}

void MainScreen::tellWhereSaved() {
    const SaveTarget& target = career_->session().saveTarget();
    if (target.besideTheProgramRefused && !toldWhereSaved_) {
        toldWhereSaved_ = true;
        // The folder stands on a line of its own, where a message box does
        // not break it after its first "/".
        platform_.prompter.notice(this, tr("The folder beside the game cannot hold saves, so "
                                           "your career is saved in this folder:\n\n%1")
                                            .arg(shownPath(target.folder)));
    }
}

void MainScreen::showHallOfFame() {
    ::showHallOfFame(
        hallOfFameFolder(platform_.programFolder, career_->session().saveTarget().folder),
        platform_.prompter, this, readOnlySavesFolder(platform_.programFolder));
}

void MainScreen::endCareer(CareerEnding ending) {
    // The career takes its place in the hall of fame before its summary
    // shows, so the hall opened from the next screen has it.
    const HallOfFameUpdate fame = career_->update(
        [ending](CareerSession& session) { return session.enterHallOfFame(ending); });
    tellHallOfFameUpdate(fame, platform_.prompter, this);
    // Nothing more is played: the menu waits while the player reads.
    menu_->setEnabled(false);
    const CareerSession& session = career_->session();
    // A career that was not being saved has no save the hall of fame could
    // name it by.
    if (session.whySavingOff()) {
        platform_.prompter.notice(
            this, tr("This career was not being saved, so it does not enter the hall of fame."));
    }
    const QString savePath = session.saveTarget().folder.isEmpty() ? QString() : session.savePath();
    summary_ =
        new CareerSummaryScreen(summarise(session.career(), session.history(), ending), savePath,
                                session.savesToItsOwnFile(), platform_.prompter, this);
    connect(summary_, &CareerSummaryScreen::historyRequested, this, &MainScreen::showHistory);
    connect(summary_, &QDialog::finished, this, &MainScreen::askPlayAgain);
    showActive(summary_);
}

void MainScreen::askPlayAgain() {
    if (summary_) summary_->deleteLater();
    summary_ = nullptr;
    const bool playAgain =
        platform_.prompter.question(this, playAgainQuestion(), Prompter::Answer::yes);
    records_->close();
    if (history_) history_->close();
    hide();
    emit careerEnded(playAgain);
}

void MainScreen::tellChanges() {
    changesNotice_->say(pendingChanges_);
    pendingChanges_.clear();
}

void MainScreen::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !pendingChanges_.isEmpty())
        tellChanges();
    QWidget::changeEvent(event);
}

void MainScreen::closeEvent(QCloseEvent* event) {
    // Closed with the program: a run plays no further match.
    runStep_->stop();
    records_->close();
    // Closed with the program, not answered: no question follows it.
    if (summary_) {
        summary_->disconnect(this);
        summary_->close();
    }
    if (history_) history_->close();
    event->accept();
    emit exitRequested();
}
