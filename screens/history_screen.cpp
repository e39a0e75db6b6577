#include "screens/history_screen.h"

#include <QChartView>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QShowEvent>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <optional>

#include "game/money.h"
#include "game/ratings.h"
#include "screens/career_model.h"
#include "screens/command_button.h"
#include "screens/history_table_model.h"
#include "screens/history_texts.h"
#include "screens/look.h"
#include "screens/titled_frame.h"

namespace {

// The header's values, in their order across the top.
enum HeaderValue { playerValue, levelValue, teamValue, worldCupValue, matchesValue };

// The last match's values, in the order they are laid out.
enum LastMatchValue {
    runsValue,
    wicketsValue,
    catchesValue,
    awardValue,
    feeValue,
    sponsorshipValue,
    balanceValue,
    overallGearValue,
    battingValue,
    bowlingValue,
    fieldingValue,
    overallHealthValue,
    batValue,
    glovesValue,
    padsValue,
    othersValue,
    fitnessValue,
    healthValue,
    staminaValue,
    eventsValue,
    lastMatchValueCount
};

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

// The values a row is compared with: those of the match just before it, or
// the career's start for its first match.
struct Before {
    Skills skills;
    Gear gear;
    Body body;
};

std::optional<Before> valuesBefore(const Career& career, const std::vector<HistoryRow>& rows) {
    const HistoryRow& last = rows.back();
    if (rows.size() >= 2 && rows[rows.size() - 2].match == last.match - 1) {
        const HistoryRow& previous = rows[rows.size() - 2];
        return Before{previous.skills, previous.gear, previous.body};
    }
    if (last.match == 1) return Before{career.startingSkills, Gear{}, Body{}};
    return std::nullopt;
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
    QString widest = QStringLiteral("-9999");
    switch (column) {
        case HistoryTableModel::match:
            widest = QStringLiteral("32767");
            break;
        case HistoryTableModel::level:
            widest = HistoryTexts::levelName(Level::national);
            break;
        case HistoryTableModel::team:
            widest = QStringLiteral("Maharashtra");
            break;
        case HistoryTableModel::award:
        case HistoryTableModel::matchFee:
        case HistoryTableModel::sponsorship:
        case HistoryTableModel::otherIncome:
        case HistoryTableModel::bankBalance:
            widest = QStringLiteral("99999999");
            break;
        case HistoryTableModel::events:
            widest = QString(40, QLatin1Char('x'));
            break;
        default:
            break;
    }
    return std::max(values.horizontalAdvance(widest), headings.horizontalAdvance(heading)) + 16;
}

}  // namespace

HistoryScreen::HistoryScreen(const CareerModel& career, QWidget* owner)
    : QDialog(owner), career_(career) {
    setObjectName(QStringLiteral("History"));
    look::setUpResizableWindow(this, tr("Bailcrest: Career History"), 12900, 9900);
    setModal(true);
    setSizeGripEnabled(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);

    auto* header = titledFrame(QStringLiteral("Frame_CAREER"), tr("CAREER"), this);
    buildHeader(header);
    layout->addWidget(header);

    gaps_ = look::caption(this, QStringLiteral("gaps"), QString(), look::lightGrey, QRect());
    gaps_->setWordWrap(true);
    gaps_->setFont(look::font(false));
    layout->addWidget(gaps_);

    lastMatchFrame_ = titledFrame(QStringLiteral("Frame_LAST_MATCH"), tr("LAST MATCH"), this);
    buildLastMatch(lastMatchFrame_);
    layout->addWidget(lastMatchFrame_);

    split_ = new QSplitter(Qt::Vertical, this);
    split_->setChildrenCollapsible(false);
    tabs_ = new QTabWidget(split_);
    tabs_->setObjectName(QStringLiteral("charts"));
    tabs_->setAccessibleName(tr("Charts"));
    tabs_->setFont(look::font(true));
    // Below this a chart has no room left for its lines once its axes and
    // legend have theirs.
    tabs_->setMinimumHeight(220);
    darken(tabs_);
    for (int chart = 0; chart < HistoryCharts::chartCount; ++chart) {
        const auto which = static_cast<HistoryCharts::Chart>(chart);
        charts_[chart] = HistoryCharts::makeView(which, tabs_);
        tabs_->addTab(charts_[chart], HistoryCharts::name(which));
    }

    rows_ = new HistoryTableModel(career_, this);
    sorted_ = new SortedHistory(rows_, this);
    table_ = new QTableView(split_);
    table_->setObjectName(QStringLiteral("matches"));
    table_->setAccessibleName(tr("Matches"));
    table_->setAccessibleDescription(
        tr("Every match of the career, one a row; a column heading sorts by it."));
    darken(table_);
    table_->setModel(sorted_);
    table_->setFont(look::font(false));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table for the next control; the arrows move within it.
    table_->setTabKeyNavigation(false);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    table_->setCornerButtonEnabled(false);
    table_->setMinimumHeight(120);
    const QFontMetrics values(table_->font());
    // Rows of one fixed height, so that tens of thousands of them lay out at once.
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(values.height() + 6);
    QHeaderView* headings = table_->horizontalHeader();
    headings->setFont(look::font(true));
    headings->setHighlightSections(false);
    headings->setStretchLastSection(true);
    headings->setDefaultAlignment(Qt::AlignCenter);
    const QFontMetrics headingMetrics(headings->font());
    for (int column = 0; column < HistoryTableModel::columnTotal; ++column) {
        const QString heading = rows_->headerData(column, Qt::Horizontal).toString();
        table_->setColumnWidth(column, columnWidth(values, headingMetrics, column, heading));
    }
    // Oldest first, as played: the newest match is the last row.
    headings->setSortIndicator(HistoryTableModel::match, Qt::AscendingOrder);
    table_->setSortingEnabled(true);
    split_->addWidget(tabs_);
    split_->addWidget(table_);
    split_->setStretchFactor(0, 3);
    split_->setStretchFactor(1, 2);
    layout->addWidget(split_, 1);

    ok_ = new CommandButton(tr("OK"), this);
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setFixedSize(ok_->sizeHint());
    connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addStretch();
    layout->addLayout(buttons);

    setTabOrder(tabs_, table_);
    setTabOrder(table_, ok_);
    ok_->setFocus();

    connect(&career_, &CareerModel::changed, this, &HistoryScreen::showCareer);
    showCareer();
    // The least size the contents need, settled before the window exists.
    layout->activate();
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
    const struct {
        const char* objectName;
        QString caption;
    } values[lastMatchValueCount] = {
        {"lastRuns", tr("Runs:")},
        {"lastWickets", tr("Wickets:")},
        {"lastCatches", tr("Catches:")},
        {"lastAward", tr("Award (Rs.):")},
        {"lastFee", tr("Match fee (Rs.):")},
        {"lastSponsorship", tr("Sponsorship (Rs.):")},
        {"lastBalance", tr("Bank balance (Rs.):")},
        {"lastOverallGear", tr("Overall gear:")},
        {"lastBatting", tr("Batting:")},
        {"lastBowling", tr("Bowling:")},
        {"lastFielding", tr("Fielding:")},
        {"lastOverallHealth", tr("Overall health:")},
        {"lastBat", tr("Bat:")},
        {"lastGloves", tr("Gloves:")},
        {"lastPads", tr("Pads:")},
        {"lastOthers", tr("Others:")},
        {"lastFitness", tr("Fitness:")},
        {"lastHealth", tr("Health:")},
        {"lastStamina", tr("Stamina:")},
        {"lastEvents", tr("Since the match before:")},
    };
    constexpr int perRow = 4;
    for (int i = 0; i < lastMatchValueCount; ++i) {
        const bool events = i == eventsValue;
        const int row = events ? 5 : i / perRow;
        lastMatch_.push_back(addPair(grid, row, events ? 0 : i % perRow,
                                     QString::fromLatin1(values[i].objectName), values[i].caption,
                                     events ? perRow : 1));
    }
    lastMatch_[eventsValue]->setWordWrap(true);
    for (int column = 1; column < 2 * perRow; column += 2) grid->setColumnStretch(column, 1);
}

void HistoryScreen::showCareer() {
    const Career& career = career_.career();
    showValue(header_[playerValue], career.player);
    showValue(header_[levelValue], HistoryTexts::levelName(career.level));
    showValue(header_[teamValue], career.team);
    showValue(header_[worldCupValue],
              career.selectedForWorldCup ? tr("Selected") : tr("Not selected"));
    showValue(header_[matchesValue], QString::number(careerMatches(career)));

    const QStringList gaps = HistoryTexts::gaps(career_.history());
    showValue(gaps_, gaps.join(QLatin1Char(' ')));
    gaps_->setVisible(!gaps.isEmpty());

    showLastMatch();
    if (career_.history().rows().size() != chartedRows_ || chartedRows_ == 0) drawCharts();
}

void HistoryScreen::showLastMatch() {
    const std::vector<HistoryRow>& rows = career_.history().rows();
    if (rows.empty()) {
        lastMatchFrame_->setTitle(tr("LAST MATCH: NONE KEPT YET"));
        for (QLabel* label : lastMatch_) showValue(label, QString());
        return;
    }
    const HistoryRow& last = rows.back();
    lastMatchFrame_->setTitle(tr("LAST MATCH: %1, %2 (%3)")
                                  .arg(last.match)
                                  .arg(HistoryTexts::levelName(last.level), last.team));
    const std::optional<Before> before = valuesBefore(career_.career(), rows);
    const auto change = [&](int value, auto of) {
        return HistoryTexts::withChange(
            value, before ? std::optional<int>(of(*before)) : std::optional<int>());
    };
    const QStringList events = rows_->eventsOf(static_cast<int>(rows.size()) - 1);
    const QString texts[lastMatchValueCount] = {
        QString::number(last.performance.runs),
        QString::number(last.performance.wickets),
        QString::number(last.performance.catches),
        moneyText(last.award),
        moneyText(last.matchFee),
        moneyText(last.sponsorship),
        moneyText(last.bankBalance),
        change(overallGear(last.gear), [](const Before& b) { return overallGear(b.gear); }),
        change(last.skills.batting, [](const Before& b) { return b.skills.batting; }),
        change(last.skills.bowling, [](const Before& b) { return b.skills.bowling; }),
        change(last.skills.fielding, [](const Before& b) { return b.skills.fielding; }),
        change(overallHealth(last.body), [](const Before& b) { return overallHealth(b.body); }),
        change(last.gear.bat, [](const Before& b) { return b.gear.bat; }),
        change(last.gear.gloves, [](const Before& b) { return b.gear.gloves; }),
        change(last.gear.pads, [](const Before& b) { return b.gear.pads; }),
        change(last.gear.others, [](const Before& b) { return b.gear.others; }),
        change(last.body.fitness, [](const Before& b) { return b.body.fitness; }),
        change(last.body.health, [](const Before& b) { return b.body.health; }),
        change(last.body.stamina, [](const Before& b) { return b.body.stamina; }),
        events.isEmpty() ? tr("Nothing") : events.join(QStringLiteral("; ")),
    };
    for (int i = 0; i < lastMatchValueCount; ++i) showValue(lastMatch_[i], texts[i]);
}

void HistoryScreen::drawCharts() {
    chartedRows_ = career_.history().rows().size();
    for (int chart = 0; chart < HistoryCharts::chartCount; ++chart) {
        HistoryCharts::draw(charts_[chart], static_cast<HistoryCharts::Chart>(chart),
                            career_.career(), career_.history());
    }
}

void HistoryScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous() && !shownBefore_) {
        shownBefore_ = true;
        // The charts take the larger share of the room the two have.
        const int room = split_->height();
        split_->setSizes({room * 3 / 5, room - room * 3 / 5});
    }
    // The newest match in sight.
    table_->scrollToBottom();
}
