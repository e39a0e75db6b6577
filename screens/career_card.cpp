// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/career_card.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "game/level.h"
#include "game/shown_numbers.h"
#include "game/start_career.h"
#include "screens/look.h"
#include "screens/match_link.h"
#include "screens/pair_layout.h"
#include "screens/row_table.h"
#include "screens/titled_frame.h"

namespace {

enum TeamColumn {
    levelColumn,
    teamColumn,
    matchesColumn,
    runsColumn,
    wicketsColumn,
    catchesColumn,
    moneyColumn,
    teamColumnCount
};

QString stayText(double figure, int decimals, const Stay& stay) {
    const QString shown =
        decimals > 0 ? shownDecimal(figure, decimals) : shownNumber(static_cast<qint64>(figure));
    if (stay.firstMatch == stay.lastMatch) {
        //: A stay at one level: "2,345 for Pune (City), match 12". %1 is the figure
        //: the caption names, %2 the team, %3 the level, %4 the match.
        return CareerCard::tr("%1 for %2 (%3), match %4")
            .arg(shown, teamName(stay.team), levelName(stay.level), shownNumber(stay.firstMatch));
    }
    //: A stay at one level: "2,345 for Pune (City), matches 12 to 80". %1 is the
    //: figure the caption names, %2 the team, %3 the level, %4 and %5 the first and
    //: last match.
    return CareerCard::tr("%1 for %2 (%3), matches %4 to %5")
        .arg(shown, teamName(stay.team), levelName(stay.level), shownNumber(stay.firstMatch),
             shownNumber(stay.lastMatch));
}

QString endingText(CareerEnding ending) {
    switch (ending) {
        case CareerEnding::dropped:
            return CareerCard::tr("Dropped from club cricket.");
        case CareerEnding::caughtByTheEnquiry:
            return CareerCard::tr("Caught by the enquiry into the bookie's money.");
        case CareerEnding::goingOn:
            break;
    }
    //: How the career ended: it has not, the player plays on.
    return CareerCard::tr("Still playing.");
}

QList<QStandardItem*> teamRow(const QString& level, const QString& team, qint64 matches,
                              qint64 runs, qint64 wickets, qint64 catches, const QString& money) {
    const QString texts[teamColumnCount] = {level,
                                            team,
                                            shownNumber(matches),
                                            shownNumber(runs),
                                            shownNumber(wickets),
                                            shownNumber(catches),
                                            money};
    QList<QStandardItem*> items;
    for (int column = 0; column < teamColumnCount; ++column) {
        auto* item = new QStandardItem(texts[column]);
        item->setEditable(false);
        if (column > teamColumn) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        items << item;
    }
    return items;
}

}  // namespace

CareerCard::CareerCard(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("careerCard"));
    setAutoFillBackground(true);
    look::darken(this);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    //: Heading of the card that sums up a whole career.
    frame_ = new TitledFrame(tr("CAREER"), this);
    frame_->setObjectName(QStringLiteral("Frame_career_card"));
    outer->addWidget(frame_);

    // Three to a row, fewer where the window is narrow.
    pairs_ = new PairLayout(frame_, {3, 2, 1});

    addValue(player, "cardPlayer", tr("Player:"));
    addValue(highestLevel, "cardHighestLevel", tr("Highest level:"));
    addValue(levelsReached, "cardLevels", tr("Levels reached:"));
    addValue(matches, "cardMatches", tr("Matches:"));
    addValue(runs, "cardRuns", tr("Runs:"));
    addValue(wickets, "cardWickets", tr("Wickets:"));
    addValue(catches, "cardCatches", tr("Catches:"));
    addHigh(highestScore, "cardHighestScore", tr("Highest score:"));
    //: The most wickets the player took in one match.
    addHigh(bestBowling, "cardBestBowling", tr("Best bowling:"));
    addValue(fifties, "cardFifties", tr("50s:"));
    addValue(hundreds, "cardHundreds", tr("100s:"));
    //: Matches in which the player took five wickets or more.
    addValue(fiveWickets, "cardFiveWickets", tr("5 wickets:"));
    //: The highest overall skill the player ever had.
    addValue(peakSkill, "cardPeakSkill", tr("Peak overall skill:"));
    //: Match fees, sponsorship and awards earned over the career, in rupees.
    addValue(moneyEarned, "cardMoneyEarned", tr("Money earned (Rs.):"));
    addValue(bankBalance, "cardBankBalance", tr("Bank balance (Rs.):"));
    //: A stay: the matches played at one level, from arriving there to leaving.
    addHigh(mostRunsStay, "cardMostRunsStay", tr("Most runs in a stay:"), true);
    addHigh(bestStay, "cardBestStay", tr("Best stay (runs a match):"), true);
    addHigh(longestStay, "cardLongestStay", tr("Longest stay (matches):"), true);
    //: How the career came to its end.
    addValue(ending, "cardEnding", tr("How it ended:"), true);

    gap_ = new QLabel(frame_);
    gap_->setObjectName(QStringLiteral("cardHistoryGap"));
    gap_->setFont(look::font(false));
    gap_->setWordWrap(true);
    look::setTextColour(gap_, look::silver);
    pairs_->addWidget(gap_);

    teamsModel_ = new QStandardItemModel(0, teamColumnCount, this);
    teamsModel_->setHorizontalHeaderLabels({tr("Level"), tr("Team"), tr("Matches"), tr("Runs"),
                                            tr("Wickets"), tr("Catches"),
                                            tr("Money earned (Rs.)")});
    teams_ = new QTableView(frame_);
    teams_->setObjectName(QStringLiteral("cardTeams"));
    teams_->setModel(teamsModel_);
    //: The table of the career's figures at each level and with each team.
    setUpRowTable(teams_, tr("Levels and teams"));
    pairs_->addWidget(teams_);
}

void CareerCard::addValue(Entry entry, const char* objectName, const QString& caption,
                          bool across) {
    figures_[entry].caption = look::accessibleCaption(caption);
    figures_[entry].value = pairs_->addValue(QString::fromLatin1(objectName), caption, across);
}

void CareerCard::addHigh(Entry entry, const char* objectName, const QString& caption, bool across) {
    const QString name = QString::fromLatin1(objectName);
    QLabel* captionLabel = pairs_->captionFor(name, caption);
    auto* link = new MatchLink(frame_);
    link->setObjectName(name);
    link->setAccessibleDescription(look::accessibleCaption(caption));
    connect(link, &MatchLink::matchChosen, this, &CareerCard::matchChosen);
    pairs_->addPair(captionLabel, link, across);
    figures_[entry] = {look::accessibleCaption(caption), nullptr, link};
}

QString CareerCard::spokenFigures() const {
    QStringList spoken;
    for (const Figure& figure : figures_) {
        const QWidget* shown = figure.value ? static_cast<QWidget*>(figure.value) : figure.high;
        if (shown->accessibleName().isEmpty()) continue;
        //: A figure of the career card as a screen reader tells it: %1 its
        //: caption ("Runs"), %2 the figure.
        spoken << tr("%1: %2").arg(figure.caption, shown->accessibleName());
    }
    //: Between two figures of the career card as a screen reader tells them.
    return spoken.join(tr("; "));
}

int CareerCard::widestWidth() const {
    // The table's every column in sight too: a language that writes its
    // names longer than English would otherwise open it scrolled sideways.
    const QMargins margins = pairs_->contentsMargins();
    return std::max(pairs_->widestWidth(),
                    wholeTableWidth(teams_) + margins.left() + margins.right());
}

QLabel* CareerCard::value(const QString& objectName) const {
    for (const Figure& figure : figures_)
        if (figure.value && figure.value->objectName() == objectName) return figure.value;
    return nullptr;
}

MatchLink* CareerCard::high(const QString& objectName) const {
    for (const Figure& figure : figures_)
        if (figure.high && figure.high->objectName() == objectName) return figure.high;
    return nullptr;
}

void CareerCard::leadToMatches() {
    leadsToMatches_ = true;
}

void CareerCard::show(Entry entry, const QString& text) {
    QLabel* label = figures_[entry].value;
    label->setText(text);
    label->setAccessibleName(text);
}

void CareerCard::showHigh(Entry entry, const QString& text, int match, bool stay) {
    const QString& caption = figures_[entry].caption;
    MatchLink* high = figures_[entry].high;
    if (!leadsToMatches_ || match <= 0) {
        high->showFigure(text, 0, caption);
        return;
    }
    QString leadsTo;
    if (stay) {
        //: What pressing a stay on the career card does, for a screen reader. %1 names
        //: the stay ("Longest stay (matches)"), %2 is the stay's first match.
        leadsTo = tr("%1. Shows match %2, where the stay began, in the table of matches.");
    } else {
        //: What pressing a high on the career card does, for a screen reader. %1 names
        //: the high ("Highest score"), %2 is the match it was made in.
        leadsTo = tr("%1. Shows match %2 in the table of matches.");
    }
    high->showFigure(text, match, leadsTo.arg(caption, shownNumber(match)));
}

void CareerCard::showSummary(const CareerSummary& s) {
    QStringList levels;
    for (const Level level : allLevels) {
        if (s.levelsReached[levelIndex(level)]) levels << levelName(level);
    }
    show(player, s.player);
    show(highestLevel, levelName(s.highestLevel));
    //: Between two levels the career reached: "Club, City, State".
    show(levelsReached, levels.join(tr(", ")));
    show(matches, shownNumber(s.matches));
    show(runs, shownNumber(s.runs));
    show(wickets, shownNumber(s.wickets));
    show(catches, shownNumber(s.catches));
    showHigh(highestScore, shownNumber(s.highestScore), s.highestScoreMatch, false);
    showHigh(bestBowling, shownNumber(s.bestBowling), s.bestBowlingMatch, false);
    show(fifties, shownNumber(s.fifties));
    show(hundreds, shownNumber(s.hundreds));
    show(fiveWickets, shownNumber(s.fiveWicketHauls));
    show(peakSkill, shownNumber(s.peakOverallSkill));
    show(moneyEarned, shownMoney(s.moneyEarned));
    show(bankBalance, shownMoney(s.bankBalance));
    //: Shown for a stay when the career has no history to find it in.
    const QString none = tr("None yet");
    const auto showStay = [&](Entry entry, const std::optional<Stay>& stay, auto figure,
                              int decimals) {
        if (!stay) {
            showHigh(entry, none, 0, true);
            return;
        }
        showHigh(entry, stayText(static_cast<double>(figure(*stay)), decimals, *stay),
                 stay->firstMatch, true);
    };
    showStay(
        mostRunsStay, s.mostRunsStay, [](const Stay& stay) { return stay.figures.runs; }, 0);
    showStay(
        bestStay, s.bestStay, [](const Stay& stay) { return stay.figures.battingAverage(); }, 2);
    showStay(
        longestStay, s.longestStay, [](const Stay& stay) { return stay.figures.matches; }, 0);
    show(ending, endingText(s.ending));

    const QString gap =
        s.historyKeptFrom > 1
            //: %1 is the match from which the career's history was kept.
            ? tr("Stays, teams and money earned count from match %1, where the history begins.")
                  .arg(shownNumber(s.historyKeptFrom))
            : QString();
    gap_->setText(gap);
    gap_->setAccessibleName(gap);
    gap_->setVisible(!gap.isEmpty());

    teamsModel_->removeRows(0, teamsModel_->rowCount());
    for (const Level level : allLevels) {
        const LevelStatistics& book = s.levels[levelIndex(level)];
        if (!s.levelsReached[levelIndex(level)]) continue;
        //: In the career card's table: a level's figures with every team there.
        teamsModel_->appendRow(teamRow(levelName(level), tr("All teams"), book.matches, book.runs,
                                       book.wickets, book.catches, QString()));
        for (const TeamFigures& team : s.teams) {
            if (team.level != level) continue;
            const StayFigures& f = team.figures;
            teamsModel_->appendRow(teamRow(levelName(level), teamName(team.team), f.matches, f.runs,
                                           f.wickets, f.catches, shownMoney(f.moneyEarned)));
        }
    }
    fitColumnsToContents(teams_);
    // Tall enough for every row, so the card needs no scrolling of its own.
    const int rows = teamsModel_->rowCount();
    const int rowHeight = teams_->verticalHeader()->defaultSectionSize();
    teams_->setFixedHeight(teams_->horizontalHeader()->sizeHint().height() +
                           std::max(rows, 1) * rowHeight + 2 * teams_->frameWidth() + 2);
}

QImage CareerCard::picture() {
    return grab().toImage();
}
