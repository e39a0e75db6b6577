// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/history_screen.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>
#include <optional>

#include "game/career_story.h"
#include "game/level.h"
#include "game/money.h"
#include "game/ratings.h"
#include "game/start_career.h"
#include "saves/history_columns.h"
#include "screens/career_model.h"
#include "screens/command_button.h"
#include "screens/focus_frame.h"
#include "screens/frozen_column_table.h"
#include "screens/history_table_model.h"
#include "screens/history_texts.h"
#include "screens/look.h"
#include "screens/titled_frame.h"

namespace {

// The header's values, in their order across the top.
enum HeaderValue { playerValue, levelValue, teamValue, worldCupValue, matchesValue };

// A figure of the last match: its label's name, its caption, the column of
// the history it shows, and whether it is shown with its change since the
// match before. In the order they are laid out, four to a row: what he did
// and what it paid, then the skills and the overall conditions, then each
// condition. What happened since the match before comes after them.
struct LastMatchFigure {
    const char* objectName;
    const char* caption;
    int column;
    bool withChange;
};

constexpr LastMatchFigure lastMatchFigures[] = {
    {"lastRuns", QT_TRANSLATE_NOOP("HistoryScreen", "Runs:"), HistoryTableModel::runs, false},
    {"lastWickets", QT_TRANSLATE_NOOP("HistoryScreen", "Wickets:"), HistoryTableModel::wickets,
     false},
    {"lastCatches", QT_TRANSLATE_NOOP("HistoryScreen", "Catches:"), HistoryTableModel::catches,
     false},
    {"lastAward", QT_TRANSLATE_NOOP("HistoryScreen", "Award (Rs.):"), HistoryTableModel::award,
     false},
    {"lastFee", QT_TRANSLATE_NOOP("HistoryScreen", "Match fee (Rs.):"), HistoryTableModel::matchFee,
     false},
    {"lastSponsorship", QT_TRANSLATE_NOOP("HistoryScreen", "Sponsorship (Rs.):"),
     HistoryTableModel::sponsorship, false},
    {"lastBalance", QT_TRANSLATE_NOOP("HistoryScreen", "Bank balance (Rs.):"),
     HistoryTableModel::bankBalance, false},
    {"lastOverallGear", QT_TRANSLATE_NOOP("HistoryScreen", "Overall gear:"),
     HistoryTableModel::overallGear, true},
    {"lastBatting", QT_TRANSLATE_NOOP("HistoryScreen", "Batting:"), HistoryTableModel::batting,
     true},
    {"lastBowling", QT_TRANSLATE_NOOP("HistoryScreen", "Bowling:"), HistoryTableModel::bowling,
     true},
    {"lastFielding", QT_TRANSLATE_NOOP("HistoryScreen", "Fielding:"), HistoryTableModel::fielding,
     true},
    {"lastOverallHealth", QT_TRANSLATE_NOOP("HistoryScreen", "Overall health:"),
     HistoryTableModel::overallHealth, true},
    {"lastBat", QT_TRANSLATE_NOOP("HistoryScreen", "Bat:"), HistoryTableModel::bat, true},
    {"lastGloves", QT_TRANSLATE_NOOP("HistoryScreen", "Gloves:"), HistoryTableModel::gloves, true},
    {"lastPads", QT_TRANSLATE_NOOP("HistoryScreen", "Pads:"), HistoryTableModel::pads, true},
    {"lastOthers", QT_TRANSLATE_NOOP("HistoryScreen", "Others:"), HistoryTableModel::others, true},
    {"lastFitness", QT_TRANSLATE_NOOP("HistoryScreen", "Fitness:"), HistoryTableModel::fitness,
     true},
    {"lastHealth", QT_TRANSLATE_NOOP("HistoryScreen", "Health:"), HistoryTableModel::health, true},
    {"lastStamina", QT_TRANSLATE_NOOP("HistoryScreen", "Stamina:"), HistoryTableModel::stamina,
     true},
};

constexpr int lastMatchFigureCount = static_cast<int>(std::size(lastMatchFigures));
// The label of what happened since the match before, after the figures.
constexpr int eventsValue = lastMatchFigureCount;

// The text of a figure of the last match, with its change since the values
// before when it has one.
QString lastMatchText(const LastMatchFigure& figure, const HistoryRow& last,
                      const std::optional<HistoryRow>& before) {
    const HistoryColumn& column = historyColumns[figure.column];
    const double value = column.figure(last);
    if (column.kind == HistoryColumn::money) return moneyText(value);
    if (!figure.withChange) return QLocale().toString(static_cast<qint64>(value));
    return HistoryTexts::withChange(
        static_cast<int>(value),
        before ? std::optional<int>(static_cast<int>(column.figure(*before))) : std::nullopt);
}

// Half a row of a grid: a silver caption and the light-yellow value after it.
QLabel* addPair(QGridLayout* grid, int row, int pair, const QString& objectName,
                const QString& caption, int pairsSpanned = 1) {
    QWidget* frame = grid->parentWidget();
    QLabel* captionLabel = look::caption(frame, QStringLiteral("caption_") + objectName, caption,
                                         look::silver, QRect());
    QLabel* value = look::value(frame, objectName, caption, look::lightYellow, QRect());
    grid->addWidget(captionLabel, row, 2 * pair);
    grid->addWidget(value, row, 2 * pair + 1, 1, 2 * pairsSpanned - 1);
    return value;
}

void showValue(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text);
}

TitledFrame* titledFrame(const QString& objectName, const QString& title, QWidget* parent) {
    auto* frame = new TitledFrame(title, parent);
    frame->setObjectName(objectName);
    return frame;
}

// A grid filling the frame, its contents clear of the frame's title.
QGridLayout* gridIn(QWidget* frame) {
    auto* grid = new QGridLayout(frame);
    const int titleHeight = QFontMetrics(look::font(true)).height();
    grid->setContentsMargins(10, titleHeight + 2, 10, 6);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    return grid;
}

// The row the last one is compared with: that of the match just before it,
// or the career's start (its skills, gear and body) for its first match.
std::optional<HistoryRow> rowBefore(const Career& career, const std::vector<HistoryRow>& rows) {
    const HistoryRow& last = rows.back();
    if (rows.size() >= 2 && rows[rows.size() - 2].match == last.match - 1) {
        return rows[rows.size() - 2];
    }
    if (last.match != 1) return std::nullopt;
    HistoryRow start;
    start.skills = career.startingSkills;
    return start;
}

// The game's look for a view the style draws: light-yellow text on navy,
// rows in two shades of it, silver headings and tabs, a blue selection.
void darken(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, look::navy);
    palette.setColor(QPalette::Base, look::navy);
    palette.setColor(QPalette::AlternateBase, QColor(0, 0, 92));
    palette.setColor(QPalette::Button, QColor(16, 16, 104));
    palette.setColor(QPalette::ButtonText, look::silver);
    palette.setColor(QPalette::WindowText, look::silver);
    palette.setColor(QPalette::Text, look::lightYellow);
    palette.setColor(QPalette::Highlight, look::blue);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Light, QColor(96, 96, 160));
    palette.setColor(QPalette::Midlight, QColor(64, 64, 136));
    palette.setColor(QPalette::Mid, QColor(48, 48, 120));
    palette.setColor(QPalette::Dark, QColor(24, 24, 80));
    palette.setColor(QPalette::Shadow, Qt::black);
    widget->setPalette(palette);
}

// A width that holds the column's widest usual value and its heading.
int columnWidth(const QFontMetrics& values, const QFontMetrics& headings, int column,
                const QString& heading) {
    QString widest = QString(40, QLatin1Char('x'));  // the events since the match before
    if (column < historyFigureCount) {
        switch (historyColumns[column].kind) {
            case HistoryColumn::whole:
                widest = QLocale().toString(-32767);
                break;
            case HistoryColumn::money:
                widest = QStringLiteral("99999999");
                break;
            case HistoryColumn::level:
                widest = levelName(Level::national);
                break;
            case HistoryColumn::team:
                widest = QStringLiteral("Maharashtra");
                break;
        }
    }
    return std::max(values.horizontalAdvance(widest), headings.horizontalAdvance(heading)) + 16;
}

// A tab bar that marks the tab it has keyboard focus on with the game's own
// mark, where the style's is too faint to see on navy.
class MarkedTabBar : public QTabBar {
  public:
    using QTabBar::QTabBar;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QTabBar::paintEvent(event);
        if (!hasFocus() || currentIndex() < 0) return;
        QPainter painter(this);
        drawFocusFrame(painter, tabRect(currentIndex()).adjusted(3, 3, -3, -3));
    }
};

class MarkedTabs : public QTabWidget {
  public:
    explicit MarkedTabs(QWidget* parent) : QTabWidget(parent) { setTabBar(new MarkedTabBar(this)); }
};

// The seasons table's columns, in order.
enum SeasonColumn {
    seasonLevel,
    seasonTeam,
    seasonMatches,
    seasonRuns,
    seasonHighest,
    seasonAverage,
    seasonFifties,
    seasonHundreds,
    seasonWickets,
    seasonBest,
    seasonFiveWickets,
    seasonCatches,
    seasonMoney,
    seasonColumnCount
};

QList<QStandardItem*> seasonRow(const QString& level, const QString& team, const SpellFigures& f) {
    const QLocale locale;
    const QString texts[seasonColumnCount] = {
        level,
        team,
        locale.toString(f.matches),
        locale.toString(f.runs),
        locale.toString(f.highestScore),
        locale.toString(f.battingAverage(), 'f', 2),
        locale.toString(f.fifties),
        locale.toString(f.hundreds),
        locale.toString(f.wickets),
        locale.toString(f.mostWickets),
        locale.toString(f.fiveWicketHauls),
        locale.toString(f.catches),
        moneyText(f.moneyEarned),
    };
    QList<QStandardItem*> items;
    for (int column = 0; column < seasonColumnCount; ++column) {
        auto* item = new QStandardItem(texts[column]);
        item->setEditable(false);
        if (column > seasonTeam) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        items << item;
    }
    return items;
}

// A table view in the window's look, one row per line of text.
void setUpTable(QTableView* view, const QString& objectName, const QString& name,
                const QString& description) {
    view->setObjectName(objectName);
    view->setAccessibleName(name);
    view->setAccessibleDescription(description);
    darken(view);
    view->setFont(look::font(false));
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table for the next control; the arrows move within it.
    view->setTabKeyNavigation(false);
    view->setAlternatingRowColors(true);
    view->setWordWrap(false);
    view->setCornerButtonEnabled(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(QFontMetrics(view->font()).height() + 6);
    view->horizontalHeader()->setFont(look::font(true));
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
}

// What a chart's tab shows when the game's charts cannot be loaded (a
// damaged installation): the rest of the window still tells the career.
QLabel* noCharts(QWidget* parent) {
    auto* sentence = new QLabel(
        //: Shown in place of a chart when the module that draws the charts is missing.
        QCoreApplication::translate("HistoryScreen",
                                    "The charts cannot be shown, as part of the game is missing. "
                                    "The seasons, the milestones and the table of matches tell "
                                    "the whole career."),
        parent);
    sentence->setWordWrap(true);
    sentence->setAlignment(Qt::AlignCenter);
    sentence->setMargin(12);
    sentence->setAccessibleName(sentence->text());
    // In the Tab order, as a chart would be, so that a screen reader reads it.
    sentence->setFocusPolicy(Qt::StrongFocus);
    return sentence;
}

}  // namespace

HistoryScreen::HistoryScreen(const CareerModel& career, QWidget* owner,
                             const HistoryChartPlugin* charts)
    : QDialog(owner), career_(career), chartPlugin_(charts) {
    setObjectName(QStringLiteral("History"));
    look::setUpResizableWindow(this, tr("Bailcrest: Career History"), 12900, 9900);
    // It stays open beside the main screen, which plays on while it is shown.
    setModal(false);
    setSizeGripEnabled(true);

    ok_ = new CommandButton(tr("OK"), this);
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setFixedSize(ok_->sizeHint());
    connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addStretch();
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(8, 8, 8, 8);
    window->setSpacing(6);
    window->addWidget(buildContent(), 1);
    window->addLayout(buttons);

    // The order the window is drawn in: tabs and the chart or view shown,
    // the sort choice, the table, OK.
    setTabOrder(tabs_, sortColumn_);
    setTabOrder(sortColumn_, sortOrder_);
    setTabOrder(sortOrder_, table_);
    setTabOrder(table_, ok_);
    ok_->setFocus();

    stale_.fill(true);
    connect(&career_, &CareerModel::changed, this, &HistoryScreen::showCareer);
    showCareer();
}

QWidget* HistoryScreen::buildContent() {
    // Everything but OK scrolls when the screen is too small for it, so that
    // OK is always in reach.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("content"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    // Tab brings each control into sight; the scroll bars, shown only on a
    // screen too small for the window, are reached by Tab too.
    scroll->verticalScrollBar()->setAccessibleName(tr("Scroll the window up or down"));
    scroll->horizontalScrollBar()->setAccessibleName(tr("Scroll the window sideways"));
    scroll->verticalScrollBar()->setFocusPolicy(Qt::TabFocus);
    scroll->horizontalScrollBar()->setFocusPolicy(Qt::TabFocus);
    auto* content = new QWidget(scroll);
    content->setPalette(palette());
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    auto* header = titledFrame(QStringLiteral("Frame_CAREER"), tr("CAREER"), content);
    buildHeader(header);
    layout->addWidget(header);
    gaps_ = look::caption(content, QStringLiteral("gaps"), QString(), look::lightGrey, QRect());
    gaps_->setWordWrap(true);
    gaps_->setFont(look::font(false));
    layout->addWidget(gaps_);
    lastMatchFrame_ = titledFrame(QStringLiteral("Frame_LAST_MATCH"), tr("LAST MATCH"), content);
    buildLastMatch(lastMatchFrame_);
    layout->addWidget(lastMatchFrame_);

    split_ = new QSplitter(Qt::Vertical, content);
    split_->setObjectName(QStringLiteral("split"));
    split_->setChildrenCollapsible(false);
    split_->addWidget(buildTabs(split_));
    split_->addWidget(buildTable(split_));
    split_->setStretchFactor(0, 3);
    split_->setStretchFactor(1, 2);
    layout->addWidget(split_, 1);
    scroll->setWidget(content);
    return scroll;
}

QWidget* HistoryScreen::buildTabs(QWidget* parent) {
    tabs_ = new MarkedTabs(parent);
    tabs_->setObjectName(QStringLiteral("charts"));
    tabs_->setAccessibleName(tr("Charts"));
    tabs_->setFont(look::font(true));
    // Below this a chart has no room left for its lines once its axes and
    // legend have theirs.
    tabs_->setMinimumHeight(220);
    darken(tabs_);
    for (int chart = 0; chart < historyChart::chartCount; ++chart) {
        const auto which = static_cast<historyChart::Chart>(chart);
        if (chartPlugin_ != nullptr) {
            charts_[chart] = chartPlugin_->makeView(which, tabs_);
            chartPlugin_->onMatchPicked(charts_[chart], this,
                                        [this](int match) { showMatch(match); });
        } else {
            charts_[chart] = noCharts(tabs_);
        }
        tabs_->addTab(charts_[chart], historyChart::name(which));
    }

    seasons_ = new QTableView(tabs_);
    setUpTable(seasons_, QStringLiteral("seasons"), tr("Seasons"),
               tr("Each stay at one level, in order, then the career's totals."));
    seasonRows_ = new QStandardItemModel(0, seasonColumnCount, seasons_);
    seasonRows_->setHorizontalHeaderLabels(
        {tr("Level"), tr("Team"), tr("Matches"), tr("Runs"), tr("Highest score"),
         tr("Batting average"), tr("50s"), tr("100s"), tr("Wickets"),
         //: The most wickets taken in one match.
         tr("Best bowling"),
         //: Matches in which the player took five wickets or more.
         tr("Five-wicket matches"), tr("Catches"), tr("Money earned (Rs.)")});
    seasons_->setModel(seasonRows_);
    seasons_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabs_->addTab(seasons_, tr("Seasons"));

    milestones_ = new QListWidget(tabs_);
    milestones_->setObjectName(QStringLiteral("milestones"));
    milestones_->setAccessibleName(tr("Milestones"));
    milestones_->setAccessibleDescription(
        tr("The moments of the career worth telling, with the match of each."));
    milestones_->setFont(look::font(false));
    milestones_->setAlternatingRowColors(true);
    darken(milestones_);
    tabs_->addTab(milestones_, tr("Milestones"));

    connect(tabs_, &QTabWidget::currentChanged, this, &HistoryScreen::showTab);
    return tabs_;
}

QWidget* HistoryScreen::buildTable(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    rows_ = new HistoryTableModel(career_, this);
    sorted_ = new SortedHistory(rows_, this);
    layout->addWidget(buildSortChoice(box));
    table_ = new FrozenColumnTable(box);
    setUpTable(table_, QStringLiteral("matches"), tr("Matches"),
               tr("Every match of the career, one a row; a column heading, or the sort choice "
                  "above, sorts by it."));
    table_->setModel(sorted_);
    table_->setMinimumHeight(120);
    const QFontMetrics values(table_->font());
    QHeaderView* headings = table_->horizontalHeader();
    headings->setStretchLastSection(true);
    const QFontMetrics headingMetrics(headings->font());
    for (int column = 0; column < HistoryTableModel::columnTotal; ++column) {
        const QString heading = rows_->headerData(column, Qt::Horizontal).toString();
        table_->setColumnWidth(column, columnWidth(values, headingMetrics, column, heading));
    }
    // What happened since the match before reads beside the match it led to,
    // without scrolling sideways.
    headings->moveSection(headings->visualIndex(HistoryTableModel::events),
                          headings->visualIndex(HistoryTableModel::team) + 1);
    headings->setStretchLastSection(false);
    // Oldest first, as played: the newest match is the last row.
    headings->setSortIndicator(HistoryTableModel::match, Qt::AscendingOrder);
    table_->setSortingEnabled(true);
    connect(headings, &QHeaderView::sortIndicatorChanged, this, &HistoryScreen::followSort);
    // The keyboard enters the table at the newest match.
    table_->installEventFilter(this);
    layout->addWidget(table_, 1);
    return box;
}

QWidget* HistoryScreen::buildSortChoice(QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* caption = look::caption(row, QStringLiteral("caption_sortBy"), tr("Sort the matches by:"),
                                  look::silver, QRect());
    sortColumn_ = new QComboBox(row);
    sortColumn_->setObjectName(QStringLiteral("sortBy"));
    sortColumn_->setAccessibleName(tr("Sort the matches by"));
    for (int column = 0; column < HistoryTableModel::columnTotal; ++column) {
        sortColumn_->addItem(rows_->headerData(column, Qt::Horizontal).toString(), column);
    }
    caption->setBuddy(sortColumn_);
    sortOrder_ = new QComboBox(row);
    sortOrder_->setObjectName(QStringLiteral("sortOrder"));
    sortOrder_->setAccessibleName(tr("Order"));
    //: Sorting order: smallest value first.
    sortOrder_->addItem(tr("Lowest first"), Qt::AscendingOrder);
    //: Sorting order: largest value first.
    sortOrder_->addItem(tr("Highest first"), Qt::DescendingOrder);
    for (QComboBox* box : {sortColumn_, sortOrder_}) {
        box->setFont(look::font(false));
        darken(box);
        connect(box, &QComboBox::activated, this, &HistoryScreen::sortBy);
    }
    layout->addWidget(caption);
    layout->addWidget(sortColumn_);
    layout->addWidget(sortOrder_);
    layout->addStretch();
    return row;
}

void HistoryScreen::buildHeader(QWidget* frame) {
    QGridLayout* grid = gridIn(frame);
    header_[playerValue] = addPair(grid, 0, 0, QStringLiteral("player"), tr("Player:"));
    header_[levelValue] = addPair(grid, 0, 1, QStringLiteral("level"), tr("Level:"));
    header_[teamValue] = addPair(grid, 0, 2, QStringLiteral("team"), tr("Team:"));
    header_[worldCupValue] = addPair(grid, 1, 0, QStringLiteral("worldCup"), tr("World Cup:"));
    header_[matchesValue] =
        addPair(grid, 1, 1, QStringLiteral("careerMatches"), tr("Matches in the career:"));
    for (int column = 1; column < 6; column += 2) grid->setColumnStretch(column, 1);
}

void HistoryScreen::buildLastMatch(QWidget* frame) {
    QGridLayout* grid = gridIn(frame);
    // Four to a row: what he did and what it paid, then the skills and the
    // overall conditions, then each condition.
    constexpr int perRow = 4;
    for (int i = 0; i < lastMatchFigureCount; ++i) {
        const LastMatchFigure& figure = lastMatchFigures[i];
        lastMatch_.push_back(addPair(grid, i / perRow, i % perRow,
                                     QString::fromLatin1(figure.objectName), tr(figure.caption)));
    }
    lastMatch_.push_back(addPair(grid, lastMatchFigureCount / perRow + 1, 0,
                                 QStringLiteral("lastEvents"), tr("Since the match before:"),
                                 perRow));
    // A long line of events is cut short, with an ellipsis, to the room the
    // window gives it, and told whole as its tooltip and accessible name: a
    // wrapped line in the window's scrolled grid got no more height and was
    // cut off. It keeps its wrapping all the same, so that a long line asks
    // for no more width than a short one.
    QLabel* events = lastMatch_[eventsValue];
    events->setWordWrap(true);
    events->installEventFilter(this);
    for (int column = 1; column < 2 * perRow; column += 2) grid->setColumnStretch(column, 1);
}

void HistoryScreen::showCareer() {
    const Career& career = career_.career();
    showValue(header_[playerValue], career.player);
    showValue(header_[levelValue], levelName(career.level));
    showValue(header_[teamValue], teamName(career.team));
    showValue(header_[worldCupValue],
              career.selectedForWorldCup ? tr("Selected") : tr("Not selected"));
    showValue(header_[matchesValue], QLocale().toString(careerMatches(career)));

    const QStringList gaps =
        HistoryTexts::gaps(career_.history(), career_.session().historyLeftOut());
    showValue(gaps_, gaps.join(QLatin1Char(' ')));
    gaps_->setVisible(!gaps.isEmpty());

    showLastMatch();
    stale_.fill(true);
    showTab(tabs_->currentIndex());
}

void HistoryScreen::showTab(int tab) {
    if (tab < 0 || tab >= tabCount || !stale_[tab]) return;
    stale_[tab] = false;
    if (tab == seasonsTab) {
        showSeasons();
    } else if (tab == milestonesTab) {
        showMilestones();
    } else if (chartPlugin_ != nullptr) {
        chartPlugin_->draw(charts_[tab], static_cast<historyChart::Chart>(tab), career_.career(),
                           career_.history());
    }
}

void HistoryScreen::showSeasons() {
    seasonRows_->removeRows(0, seasonRows_->rowCount());
    const std::vector<Spell> spells = levelSpells(career_.history().rows());
    for (const Spell& spell : spells) {
        seasonRows_->appendRow(
            seasonRow(levelName(spell.level), teamName(spell.team), spell.figures));
    }
    if (!spells.empty()) {
        //: The last row of the seasons table: the whole career's figures.
        QList<QStandardItem*> total = seasonRow(tr("Career"), QString(), careerTotal(spells));
        QFont bold = look::font(true);
        for (QStandardItem* item : total) item->setFont(bold);
        seasonRows_->appendRow(total);
    }
}

void HistoryScreen::showMilestones() {
    milestones_->clear();
    const std::vector<Milestone> told = ::milestones(career_.career(), career_.history().rows());
    for (const Milestone& milestone : told) {
        auto* item = new QListWidgetItem(HistoryTexts::milestone(milestone), milestones_);
        item->setData(Qt::UserRole, milestone.match);
    }
    if (told.empty()) new QListWidgetItem(tr("No milestone yet."), milestones_);
}

void HistoryScreen::sortBy() {
    table_->sortByColumn(sortColumn_->currentData().toInt(),
                         static_cast<Qt::SortOrder>(sortOrder_->currentData().toInt()));
}

void HistoryScreen::followSort(int column, Qt::SortOrder order) {
    sortColumn_->setCurrentIndex(sortColumn_->findData(column));
    sortOrder_->setCurrentIndex(sortOrder_->findData(static_cast<int>(order)));
}

void HistoryScreen::showMatch(int match) {
    const std::vector<HistoryRow>& rows = career_.history().rows();
    const auto at = std::lower_bound(rows.begin(), rows.end(), match,
                                     [](const HistoryRow& row, int m) { return row.match < m; });
    if (at == rows.end()) return;
    const QModelIndex index =
        sorted_->mapFromSource(rows_->index(static_cast<int>(at - rows.begin()), 0));
    table_->setCurrentIndex(index);
    table_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

bool HistoryScreen::eventFilter(QObject* watched, QEvent* event) {
    if (!lastMatch_.empty() && watched == lastMatch_[eventsValue] &&
        event->type() == QEvent::Resize) {
        showEvents(lastMatch_[eventsValue]->accessibleName());
    }
    if (watched == table_ && event->type() == QEvent::FocusIn &&
        !table_->currentIndex().isValid()) {
        const int newest =
            career_.history().rows().empty() ? -1 : career_.history().rows().back().match;
        if (newest > 0) showMatch(newest);
    }
    return QDialog::eventFilter(watched, event);
}

void HistoryScreen::showLastMatch() {
    const std::vector<HistoryRow>& rows = career_.history().rows();
    if (rows.empty()) {
        lastMatchFrame_->setTitle(tr("LAST MATCH: NONE KEPT YET"));
        for (QLabel* label : lastMatch_) showValue(label, QString());
        showEvents(QString());
        return;
    }
    const HistoryRow& last = rows.back();
    lastMatchFrame_->setTitle(tr("LAST MATCH: %1, %2 (%3)")
                                  .arg(QLocale().toString(last.match))
                                  .arg(levelName(last.level), teamName(last.team)));
    const std::optional<HistoryRow> before = rowBefore(career_.career(), rows);
    for (int i = 0; i < lastMatchFigureCount; ++i)
        showValue(lastMatch_[i], lastMatchText(lastMatchFigures[i], last, before));
    const QStringList events = rows_->eventsOf(static_cast<int>(rows.size()) - 1);
    showEvents(events.isEmpty() ? tr("Nothing") : events.join(QStringLiteral("; ")));
}

void HistoryScreen::showEvents(const QString& text) {
    QLabel* events = lastMatch_[eventsValue];
    // Until the window lays it out the line has no room of its own yet: it
    // holds the whole text, and is cut to its room when it gets one.
    if (events->isVisible()) {
        look::setValueText(events, text);
    } else {
        showValue(events, text);
        events->setToolTip(QString());
    }
}

void HistoryScreen::fitTheScreen() {
    const QScreen* on = screen();
    if (!on) return;
    const QRect room = on->availableGeometry();
    // Room for the window's frame and title bar, which the size leaves out.
    const QMargins frame(8, 32, 8, 8);
    const QSize most = room.marginsRemoved(frame).size();
    // A language that runs longer than English widens the window to show
    // its figures whole, where the screen has the room.
    if (const auto* content = findChild<QScrollArea*>(QStringLiteral("content"))) {
        const int besides = width() - content->viewport()->width();
        resize(std::max(width(), content->widget()->minimumSizeHint().width() + besides), height());
    }
    resize(size().boundedTo(most));
    QRect placed = frameGeometry();
    placed.moveCenter(room.center());
    placed.moveTopLeft(
        QPoint(std::max(placed.left(), room.left()), std::max(placed.top(), room.top())));
    move(placed.topLeft());
}

void HistoryScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous() || shownBefore_) return;
    shownBefore_ = true;
    // The first size fits the screen; after that the window keeps the size,
    // place, tab, sort and splitter the player left it with.
    fitTheScreen();
    const int room = split_->height();
    split_->setSizes({room * 3 / 5, room - room * 3 / 5});
    // The newest match in sight, once the table has its height.
    QMetaObject::invokeMethod(table_, &QTableView::scrollToBottom, Qt::QueuedConnection);
}
