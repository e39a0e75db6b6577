// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/history/history_screen.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QProxyStyle>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "game/career_story.h"
#include "game/career_summary.h"
#include "game/level.h"
#include "game/ratings.h"
#include "game/shown_numbers.h"
#include "game/start_career.h"
#include "saves/history_columns.h"
#include "screens/career_card.h"
#include "screens/career_in_play.h"
#include "screens/command_button.h"
#include "screens/focus_frame.h"
#include "screens/history/frozen_column_table.h"
#include "screens/history/history_look.h"
#include "screens/history/history_table_model.h"
#include "screens/history/history_texts.h"
#include "screens/history/last_match_panel.h"
#include "screens/history/milestones_view.h"
#include "screens/history/seasons_view.h"
#include "screens/look.h"
#include "screens/pair_layout.h"
#include "screens/spoken_notice.h"
#include "screens/titled_frame.h"

namespace {

// The header's values, in their order across the top.
enum HeaderValue { playerValue, levelValue, teamValue, worldCupValue, matchesValue };

// Room in a cell beside its text: the style's margins and a gap between
// neighbouring figures.
constexpr int cellRoom = 16;

// A width that holds the column's widest figure there can be and its
// heading; the columns of words (level, team, events) are widened to their
// texts as rows come.
int columnWidth(const QFontMetrics& values, const QFontMetrics& headings, int column,
                const QString& heading) {
    QString widest;
    if (column < historyFigureCount) {
        switch (historyColumns[column].kind) {
            case HistoryColumn::whole:
                widest = shownNumber(-32767);
                break;
            case HistoryColumn::money:
                widest = shownMoney(99999999);
                break;
            case HistoryColumn::level:
            case HistoryColumn::team:
                break;
        }
    }
    return std::max(values.horizontalAdvance(widest), headings.horizontalAdvance(heading)) +
           cellRoom;
}

bool isWordsColumn(int column) {
    return column == HistoryTableModel::events ||
           (column < historyFigureCount && (historyColumns[column].kind == HistoryColumn::level ||
                                            historyColumns[column].kind == HistoryColumn::team));
}

// Tabs with less room either side of their names than the style gives, so
// that every tab's name is in sight in the window as narrow as it opens
// beside the main screen, with no arrows to scroll the bar.
class CloserTabs : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace) return 12;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// A tab bar that marks the tab it has keyboard focus on with the game's own
// mark, where the style's is too faint to see on navy.
class MarkedTabBar : public QTabBar {
  public:
    explicit MarkedTabBar(QWidget* parent) : QTabBar(parent) {
        auto* style = new CloserTabs;
        style->setParent(this);
        setStyle(style);
    }

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

// What a chart's tab shows when the game's charts cannot be drawn (a damaged
// installation, or a module left from another version of the game): the
// rest of the window still tells the career.
QLabel* noCharts(HistoryChartModule::State why, QWidget* parent) {
    QString sentence;
    if (why == HistoryChartModule::otherVersion) {
        //: Shown in place of a chart when the module that draws the charts was installed
        //: with another version of the game.
        sentence = QCoreApplication::translate(
            "HistoryScreen",
            "The charts cannot be shown, as the part of the game that draws them belongs to "
            "another version of it. The seasons, the milestones and the table of matches tell "
            "the whole career.");
    } else {
        //: Shown in place of a chart when the module that draws the charts is missing.
        sentence = QCoreApplication::translate(
            "HistoryScreen",
            "The charts cannot be shown, as part of the game is missing. The seasons, the "
            "milestones and the table of matches tell the whole career.");
    }
    auto* label = new QLabel(sentence, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setMargin(12);
    label->setAccessibleName(label->text());
    // In the Tab order, as a chart would be, so that a screen reader reads it.
    label->setFocusPolicy(Qt::StrongFocus);
    return label;
}

// The window's column of panels, whose height follows its width. The scroll
// area gives it at least the height it asks for at its width: the least its
// panels, the charts and the table take, so that the charts and the table
// give up their room to spare before the window scrolls.
class PanelColumn : public QWidget {
  public:
    using QWidget::QWidget;
    int heightForWidth(int width) const override {
        return layout()->totalMinimumHeightForWidth(width);
    }
};

QString careerTabName() {
    //: The tab that holds the card summing up the career while the History window is
    //: too short to show the card above the charts.
    return QCoreApplication::translate("HistoryScreen", "Career");
}

}  // namespace

HistoryScreen::HistoryScreen(const CareerInPlay& career, QWidget* owner, HistoryChartModule charts)
    : QDialog(owner, Qt::Window), career_(career), charts_(charts) {
    setObjectName(QStringLiteral("History"));
    look::setUpResizableWindow(this, tr("Bailcrest: Career History"), 12900, 9900);
    // It stays open beside the main screen, which plays on while it is shown.
    setModal(false);
    setSizeGripEnabled(true);
    cursorNotice_ = new SpokenNotice(this);

    // Its least size, told to the window manager or compositor, so that the
    // player never makes it smaller than it can show; on a screen too small
    // for it, the room it is given there.
    setMinimumSize(leastUsefulSize());

    ok_ = new CommandButton(tr("OK"), this);
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setFixedSize(ok_->sizeHint());
    connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
    //: Below the History pane of the main window: opens the history as a window of its own.
    detach_ = new CommandButton(tr("Detach"), this);
    detach_->setObjectName(QStringLiteral("detach"));
    detach_->setAccessibleDescription(tr("Opens the career's history in a window of its own."));
    detach_->setToolTip(detach_->accessibleDescription());
    detach_->setFixedSize(detach_->sizeHint());
    detach_->hide();
    connect(detach_, &QAbstractButton::clicked, this, &HistoryScreen::detachRequested);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(detach_);
    buttons->addStretch();
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(8, 8, 8, 8);
    window->setSpacing(6);
    window->addWidget(buildContent(), 1);
    window->addLayout(buttons);

    // The order the window is drawn in: tabs and the chart or view shown,
    // the sort choice, the table, OK.
    setTabOrder(card_->teamsTable(), tabs_);
    setTabOrder(tabs_, sortColumn_);
    setTabOrder(sortColumn_, sortOrder_);
    setTabOrder(sortOrder_, table_);
    setTabOrder(table_, ok_);
    setTabOrder(ok_, detach_);
    ok_->setFocus();

    stale_.fill(true);
    connect(&career_, &CareerInPlay::changed, this, &HistoryScreen::showCareer);
    showCareer();
}

QWidget* HistoryScreen::buildContent() {
    // Everything but OK scrolls when the screen is too small for it, so that
    // OK is always in reach.
    auto* scroll = new QScrollArea(this);
    scroll_ = scroll;
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
    // In the navy of the table's own, not the style's light grey.
    look::darken(scroll->verticalScrollBar());
    look::darken(scroll->horizontalScrollBar());
    auto* content = new PanelColumn(scroll);
    content->setPalette(palette());
    auto* layout = new QVBoxLayout(content);
    headColumn_ = layout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    card_ = buildCard(content);
    layout->addWidget(card_);
    auto* header = historyLook::titledFrame(QStringLiteral("Frame_CAREER"), tr("CAREER"), content);
    buildHeader(header);
    layout->addWidget(header);
    gaps_ = look::caption(content, QStringLiteral("gaps"), QString(), look::lightGrey, QRect());
    gaps_->setWordWrap(true);
    gaps_->setFont(look::font(false));
    layout->addWidget(gaps_);
    lastMatch_ = new LastMatchPanel(content);
    layout->addWidget(lastMatch_);

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

CareerCard* HistoryScreen::buildCard(QWidget* parent) {
    auto* card = new CareerCard(parent);
    card->leadToMatches();
    connect(card, &CareerCard::matchChosen, this, &HistoryScreen::leadToMatch);
    return card;
}

// The Career tab's page: the career card, scrolled where the tab is shorter
// than the card. The tab is there only while the card is not at the head.
QScrollArea* HistoryScreen::buildCardPage(QWidget* parent) {
    auto* page = new QScrollArea(parent);
    page->setObjectName(QStringLiteral("careerPage"));
    page->setAccessibleName(careerTabName());
    page->setWidgetResizable(true);
    page->setFrameShape(QFrame::NoFrame);
    page->setFocusPolicy(Qt::NoFocus);
    look::darken(page);
    auto* holder = new QWidget(page);
    holder->setPalette(palette());
    auto* layout = new QVBoxLayout(holder);
    careerPageColumn_ = layout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    tabCard_ = buildCard(holder);
    tabCard_->setObjectName(QStringLiteral("careerCardInTab"));
    layout->addWidget(tabCard_);
    layout->addStretch();
    page->setWidget(holder);
    page->hide();
    // A figure the keyboard reaches from the tab bar comes into sight on the
    // page: the page is not on the way the keyboard's moves are passed up.
    connect(qApp, &QApplication::focusChanged, page, [page, holder](QWidget*, QWidget* now) {
        if (now && holder->isAncestorOf(now)) page->ensureWidgetVisible(now);
    });
    return page;
}

QWidget* HistoryScreen::buildTabs(QWidget* parent) {
    tabs_ = new MarkedTabs(parent);
    tabs_->setObjectName(QStringLiteral("charts"));
    tabs_->setAccessibleName(tr("Charts"));
    // The tabs' names in the regular weight: in bold they need more than
    // the window's width as narrow as it opens.
    tabs_->setFont(look::font(false));
    // Below this a chart has no room left for its lines once its axes and
    // legend have theirs; at this, a window filling a 1366x768 screen at
    // scale 1.5 holds it and five rows of the table.
    tabs_->setMinimumHeight(190);
    look::darken(tabs_);
    const ChartLook look = chartLook();
    for (int chart = 0; chart < historyChart::chartCount; ++chart) {
        const auto which = static_cast<historyChart::Chart>(chart);
        QWidget*& view = chartViews_[chart];
        if (charts_.plugin != nullptr) {
            view = charts_.plugin->makeView(look, tabs_);
            view->setObjectName(QStringLiteral("chart_%1").arg(chart));
            view->setAccessibleName(historyChart::name(which));
            charts_.plugin->onMatchPicked(view, this, [this](int match) { showMatch(match); });
            // The cursor's figures are the chart's description, which a
            // screen reader does not speak as it changes: each key that
            // moved the cursor has them told.
            view->installEventFilter(this);
        } else {
            view = noCharts(charts_.state, tabs_);
        }
        tabs_->addTab(view, historyChart::name(which));
    }

    seasons_ = new SeasonsView(tabs_);
    tabs_->addTab(seasons_, tr("Seasons"));

    milestones_ = new MilestonesView(tabs_);
    tabs_->addTab(milestones_, tr("Milestones"));
    cardPage_ = buildCardPage(tabs_);

    // A window too narrow for every tab's name scrolls the bar with arrows;
    // the keyboard turns to the tabs themselves (the bar then scrolls to the
    // tab turned to), so Tab goes on from the bar to the page, not to them.
    for (auto* arrow : tabs_->tabBar()->findChildren<QToolButton*>()) {
        arrow->setFocusPolicy(Qt::NoFocus);
    }
    connect(tabs_, &QTabWidget::currentChanged, this, &HistoryScreen::drawCurrentTab);
    // In a window narrower than its content, the tab turned to comes into
    // sight with its name.
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index < 0 || !isVisible()) return;
        const QRect tab = tabs_->tabBar()->tabRect(index);
        const QPoint centre = tabs_->tabBar()->mapTo(scroll_->widget(), tab.center());
        scroll_->ensureVisible(centre.x(), centre.y(), tab.width() / 2 + 4, tab.height() / 2);
    });
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
    historyLook::setUpTable(
        table_, QStringLiteral("matches"), tr("Matches"),
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
    widenToTexts(0, rows_->rowCount());
    connect(rows_, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { widenToTexts(first, last + 1); });
    // What happened since the match before reads beside the match it led to,
    // without scrolling sideways.
    headings->moveSection(headings->visualIndex(HistoryTableModel::events),
                          headings->visualIndex(HistoryTableModel::team) + 1);
    headings->setStretchLastSection(false);
    // Oldest first, as played: the newest match is the last row.
    headings->setSortIndicator(HistoryTableModel::match, Qt::AscendingOrder);
    table_->setSortingEnabled(true);
    connect(headings, &QHeaderView::sortIndicatorChanged, this, &HistoryScreen::followSort);
    // The match just played comes into sight, unless the player has scrolled
    // away from the newest to look at others. Heard from the sorted rows the
    // table shows, which have placed the new rows by the time they tell.
    connect(sorted_, &QAbstractItemModel::rowsAboutToBeInserted, this,
            [this] { followNewest_ = newestInSight(); });
    connect(sorted_, &QAbstractItemModel::rowsInserted, this, [this] {
        if (!followNewest_) return;
        const std::vector<HistoryRow>& rows = career_.history().rows();
        if (rows.empty()) return;
        const QModelIndex newest =
            sorted_->mapFromSource(rows_->index(static_cast<int>(rows.size()) - 1, 0));
        table_->scrollTo(newest);
        // On a screen too short for the whole window, the table's foot too,
        // without scrolling the window sideways.
        const int foot = table_->mapTo(scroll_->widget(), QPoint(0, table_->height())).y();
        scroll_->ensureVisible(scroll_->horizontalScrollBar()->value(), foot, 0, 0);
    });
    // The keyboard enters the table at the newest match.
    table_->installEventFilter(this);
    layout->addWidget(table_, 1);
    return box;
}

void HistoryScreen::widenToTexts(int first, int end) {
    // Never cut: a column of words is as wide as its widest text (the table
    // scrolls sideways where the window is narrower).
    const QFontMetrics values(table_->font());
    for (int column = 0; column < HistoryTableModel::columnTotal; ++column) {
        if (!isWordsColumn(column)) continue;
        int widest = table_->columnWidth(column);
        for (int row = first; row < end; ++row) {
            const QString text = rows_->index(row, column).data().toString();
            widest = std::max(widest, values.horizontalAdvance(text) + cellRoom);
        }
        if (widest > table_->columnWidth(column)) table_->setColumnWidth(column, widest);
    }
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
        look::darken(box);
        connect(box, &QComboBox::activated, this, &HistoryScreen::sortBy);
    }
    layout->addWidget(caption);
    layout->addWidget(sortColumn_);
    layout->addWidget(sortOrder_);
    layout->addStretch();
    return row;
}

void HistoryScreen::buildHeader(QWidget* frame) {
    // Three to a row, fewer where the window is narrow.
    header_ = new PairLayout(frame, {3, 2, 1});
    const auto add = [this](HeaderValue value, const char* objectName, const QString& caption) {
        headerValues_[value] = header_->addValue(QString::fromLatin1(objectName), caption);
    };
    add(playerValue, "player", tr("Player:"));
    add(levelValue, "level", tr("Level:"));
    add(teamValue, "team", tr("Team:"));
    add(worldCupValue, "worldCup", tr("World Cup:"));
    add(matchesValue, "careerMatches", tr("Matches in the career:"));
}

void HistoryScreen::showCareer() {
    const Career& career = career_.career();
    historyLook::showValue(headerValues_[playerValue], career.player);
    historyLook::showValue(headerValues_[levelValue], levelName(career.level));
    historyLook::showValue(headerValues_[teamValue], teamName(career.team));
    historyLook::showValue(headerValues_[worldCupValue],
                           career.selectedForWorldCup ? tr("Selected") : tr("Not selected"));
    historyLook::showValue(headerValues_[matchesValue], shownNumber(careerMatches(career)));

    const QStringList gaps =
        HistoryTexts::gaps(career_.history(), career_.session().historyLeftOut());
    historyLook::showValue(gaps_, gaps.join(QLatin1Char(' ')));
    gaps_->setVisible(!gaps.isEmpty());

    showLastMatch();
    showCard();
    // A card grown by the match (a new team's row), or a panel grown by its
    // figures, may no longer fit.
    if ((cardAtHead_ || lastMatchAtHead_) && isVisible()) fitPanels();
    stale_.fill(true);
    drawCurrentTab();
}

QWidget* HistoryScreen::page(Tab tab) const {
    switch (tab) {
        case seasonsTab:
            return seasons_;
        case milestonesTab:
            return milestones_;
        case careerTab:
            return cardPage_;
        case tabCount:
            break;
        default:
            return chartViews_.at(tab);
    }
    return nullptr;
}

void HistoryScreen::showTab(Tab tab) {
    tabs_->setCurrentWidget(page(tab));
}

HistoryScreen::Tab HistoryScreen::currentTab() const {
    for (int tab = 0; tab < tabCount; ++tab) {
        if (page(static_cast<Tab>(tab)) == tabs_->currentWidget()) return static_cast<Tab>(tab);
    }
    return tabCount;
}

// Draws the tab in sight, if the history has changed since it was last drawn.
void HistoryScreen::drawCurrentTab() {
    const Tab tab = currentTab();
    if (tab == tabCount || !stale_[tab]) return;
    stale_[tab] = false;
    if (tab == seasonsTab) {
        seasons_->showSeasons(career_.history().rows());
    } else if (tab == milestonesTab) {
        showMilestones();
    } else if (tab == careerTab) {
        tabCard_->showSummary(summarise(career_.career(), career_.history()));
    } else if (charts_.plugin != nullptr) {
        charts_.plugin->draw(chartViews_[tab], chartData(static_cast<historyChart::Chart>(tab),
                                                         career_.career(), career_.history()));
    }
}

void HistoryScreen::showMilestones() {
    milestones_->follow(career_.career(), career_.history().rows());
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

void HistoryScreen::leadToMatch(int match) {
    showMatch(match);
    const QModelIndex shown = table_->currentIndex();
    if (!shown.isValid()) return;
    // On a screen too short for the whole window, the row comes into sight
    // in it too, without scrolling the window sideways.
    const QRect row = table_->visualRect(shown);
    const QPoint centre = table_->viewport()->mapTo(scroll_->widget(), row.center());
    scroll_->ensureVisible(scroll_->horizontalScrollBar()->value(), centre.y(), 0, row.height());
    table_->setFocus(Qt::OtherFocusReason);
}

bool HistoryScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::FocusOut) {
        auto* view = qobject_cast<QWidget*>(watched);
        if (view != nullptr &&
            std::find(chartViews_.begin(), chartViews_.end(), view) != chartViews_.end()) {
            const QString figures = view->accessibleDescription();
            if (event->type() == QEvent::FocusOut) {
                cursorTold_.clear();
            } else if (view->hasFocus() && figures != cursorTold_) {
                cursorTold_ = figures;
                cursorNotice_->say(figures);
            }
        }
    }
    if (watched == table_ && event->type() == QEvent::FocusIn &&
        !table_->currentIndex().isValid()) {
        const int newest =
            career_.history().rows().empty() ? -1 : career_.history().rows().back().match;
        if (newest > 0) showMatch(newest);
    }
    return QDialog::eventFilter(watched, event);
}

bool HistoryScreen::newestInSight() const {
    // The rows the table shows: while a match comes in, those before it.
    const int count = sorted_->rowCount();
    if (count == 0 || !table_->isVisible()) return true;
    const QModelIndex newest = sorted_->mapFromSource(rows_->index(count - 1, 0));
    const QRect place = table_->visualRect(newest);
    return place.isValid() && table_->viewport()->rect().intersects(place);
}

void HistoryScreen::showLastMatch() {
    const std::vector<HistoryRow>& rows = career_.history().rows();
    lastMatch_->showLast(
        career_.career(), rows,
        rows.empty() ? QStringList() : rows_->eventsOf(static_cast<int>(rows.size()) - 1));
}

bool HistoryScreen::takeNextPlace() {
    if (!nextPlace_) return false;
    setMinimumSize(leastUsefulSize().boundedTo(nextPlace_->size()));
    setGeometry(*nextPlace_);
    nextPlace_.reset();
    return true;
}

QSize HistoryScreen::preferredSize() const {
    // A language that runs longer than English widens the window to show
    // its figures the most to a row and every tab's name.
    const int besides = width() - scroll_->viewport()->width();
    const int widest = std::max({scroll_->widget()->minimumSizeHint().width(),
                                 header_->widestWidth(), lastMatch_->widestWidth(),
                                 card_->widestWidth(), tabs_->tabBar()->sizeHint().width()});
    return {std::max(width(), widest + besides), height()};
}

void HistoryScreen::fitTheScreen() {
    if (takeNextPlace()) return;
    const QScreen* on = screen();
    if (!on) return;
    const QRect room = on->availableGeometry();
    // Room for the window's frame and title bar, which the size leaves out.
    const QSize most = room.marginsRemoved(expectedFrame()).size();
    setMinimumSize(leastUsefulSize().boundedTo(most));
    resize(preferredSize().boundedTo(most));
    QRect placed = frameGeometry();
    placed.moveCenter(room.center());
    placed.moveTopLeft(
        QPoint(std::max(placed.left(), room.left()), std::max(placed.top(), room.top())));
    move(placed.topLeft());
}

QSize HistoryScreen::leastUsefulSize() const {
    return {560, 420};
}

void HistoryScreen::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ParentChange) return;
    // A pane is sized with the window it stands in, and may be detached.
    const bool pane = !isWindow();
    setSizeGripEnabled(!pane);
    detach_->setVisible(pane);
}

void HistoryScreen::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    fitPanels();
}

void HistoryScreen::fitPanels() {
    // On a short screen the career card moves from the head into a tab of
    // its own, Career, then the last match's panel follows it there, below
    // the card, so that the chart and the table's rows are in sight without
    // scrolling. The card goes first as it loses nothing by moving: its
    // figures and links are a tab away, and still lead to the table below;
    // the panel at the head is the one the eye looks for after a match.
    QWidget* content = scroll_->widget();
    const int height = scroll_->viewport()->height();
    // Measured as it would stand, not as it stood when it was last in sight.
    if (cardStale_) freshenCard();
    lastMatch_->setVisible(true);
    card_->setVisible(true);
    // The figures of a match just shown may have changed since the column
    // last measured its panels.
    headColumn_->invalidate();
    // The header, the panel and the card as they will stand at the width
    // they are given, in as many rows as that takes.
    const int across = std::max(scroll_->viewport()->width(), content->minimumSizeHint().width());
    // The panel's height at the head, counted whether it stands there or not.
    const int panel =
        lastMatch_->layout()->totalMinimumHeightForWidth(across) + headColumn_->spacing();
    const int panelAway = lastMatchAtHead_ ? 0 : panel;
    const bool cardFits = content->heightForWidth(across) + panelAway <= height;
    card_->setVisible(cardAtHead_);
    placeCard(cardFits);
    const bool panelFits = content->heightForWidth(across) + panelAway <= height;
    // Before the window is first shown it has no size of its own yet: the
    // panel only gives way at the head, to be placed once it is shown.
    if (!isVisible()) {
        if (lastMatchAtHead_) lastMatch_->setVisible(panelFits);
        return;
    }
    placeLastMatch(panelFits);
}

void HistoryScreen::placeLastMatch(bool atHead) {
    if (atHead == lastMatchAtHead_) return;
    lastMatchAtHead_ = atHead;
    // Below the header and the gaps at the head; below the card in its tab.
    if (atHead) {
        careerPageColumn_->removeWidget(lastMatch_);
        headColumn_->insertWidget(headColumn_->indexOf(gaps_) + 1, lastMatch_);
    } else {
        headColumn_->removeWidget(lastMatch_);
        careerPageColumn_->insertWidget(careerPageColumn_->indexOf(tabCard_) + 1, lastMatch_);
    }
    lastMatch_->show();
}

void HistoryScreen::placeCard(bool atHead) {
    if (atHead == cardAtHead_) return;
    // The keyboard, if on the card, stays on the same figure of the card in
    // its new place.
    const CareerCard* from = careerCard();
    QWidget* focused = QApplication::focusWidget();
    const QString focusedName =
        focused && from->isAncestorOf(focused) ? focused->objectName() : QString();
    cardAtHead_ = atHead;
    card_->setVisible(atHead);
    if (atHead) {
        tabs_->removeTab(tabs_->indexOf(cardPage_));
    } else {
        tabs_->insertTab(0, cardPage_, careerTabName());
    }
    if (focusedName.isEmpty()) return;
    if (!atHead) tabs_->setCurrentWidget(cardPage_);
    if (auto* same = careerCard()->findChild<QWidget*>(focusedName)) {
        same->setFocus(Qt::OtherFocusReason);
    }
}

// The card at the head is drawn at each change only while it is there; the
// Career tab's, as the other tabs, when it is shown.
void HistoryScreen::showCard() {
    cardStale_ = true;
    if (cardAtHead_) freshenCard();
}

void HistoryScreen::freshenCard() {
    card_->showSummary(summarise(career_.career(), career_.history()));
    cardStale_ = false;
}

void HistoryScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    if (shownBefore_) {
        if (isWindow()) takeNextPlace();
        return;
    }
    shownBefore_ = true;
    // The first size fits the screen; after that the window keeps the size,
    // place, tab, sort and splitter the player left it with. A pane has the
    // size and place its window gives it.
    if (isWindow()) fitTheScreen();
    // The table's share holds five rows at least, the charts take the rest.
    const int room = split_->height();
    const int fiveRows = table_->horizontalHeader()->sizeHint().height() +
                         5 * table_->verticalHeader()->defaultSectionSize() +
                         table_->horizontalScrollBar()->sizeHint().height() +
                         2 * table_->frameWidth() + sortColumn_->sizeHint().height() + 4;
    const int tablePane = std::max(room - room * 3 / 5, fiveRows);
    split_->setSizes({room - tablePane, tablePane});
    // The newest match in sight, once the table has its height.
    QMetaObject::invokeMethod(table_, &QTableView::scrollToBottom, Qt::QueuedConnection);
}
