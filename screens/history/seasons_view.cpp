// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/history/seasons_view.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStandardItemModel>
#include <algorithm>
#include <vector>

#include "game/career_story.h"
#include "game/level.h"
#include "game/shown_numbers.h"
#include "game/start_career.h"
#include "screens/history/history_look.h"
#include "screens/look.h"

namespace {

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

QStringList seasonHeadings() {
    return {SeasonsView::tr("Level"), SeasonsView::tr("Team"), SeasonsView::tr("Matches"),
            SeasonsView::tr("Runs"), SeasonsView::tr("Highest score"),
            SeasonsView::tr("Batting average"), SeasonsView::tr("50s"), SeasonsView::tr("100s"),
            SeasonsView::tr("Wickets"),
            //: The most wickets taken in one match.
            SeasonsView::tr("Best bowling"),
            //: Matches in which the player took five wickets or more.
            SeasonsView::tr("Five-wicket matches"), SeasonsView::tr("Catches"),
            SeasonsView::tr("Money earned (Rs.)")};
}

// What a screen reader hears of a row: its name, then each figure after its
// heading. The row's first cell tells it all, as a screen reader reads only
// the cells in sight of a row, and the table is wider than most windows.
QString spokenRow(const QString texts[seasonColumnCount]) {
    const QStringList headings = seasonHeadings();
    QStringList figures;
    for (int column = seasonTeam; column < seasonColumnCount; ++column) {
        if (texts[column].isEmpty()) continue;
        //: A figure of the seasons table as a screen reader hears it: %1 the column's
        //: heading, %2 the figure.
        figures << SeasonsView::tr("%1 %2").arg(headings[column], texts[column]);
    }
    //: A row of the seasons table as a screen reader hears it: %1 the level or the
    //: stay, %2 its figures, each after its heading.
    return SeasonsView::tr("%1: %2.").arg(texts[seasonLevel], figures.join(SeasonsView::tr(", ")));
}

QList<QStandardItem*> seasonRow(const QString& level, const QString& team, const StayFigures& f) {
    const QString texts[seasonColumnCount] = {
        level,
        team,
        shownNumber(f.matches),
        shownNumber(f.runs),
        shownNumber(f.highestScore),
        shownDecimal(f.battingAverage(), 2),
        shownNumber(f.fifties),
        shownNumber(f.hundreds),
        shownNumber(f.wickets),
        shownNumber(f.mostWickets),
        shownNumber(f.fiveWicketHauls),
        shownNumber(f.catches),
        shownMoney(f.moneyEarned),
    };
    QList<QStandardItem*> items;
    for (int column = 0; column < seasonColumnCount; ++column) {
        auto* item = new QStandardItem(texts[column]);
        item->setEditable(false);
        if (column > seasonTeam) {
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setFont(look::figuresFont(look::font(false)));
        }
        items << item;
    }
    items.first()->setData(spokenRow(texts), Qt::AccessibleTextRole);
    return items;
}

// Up to this many stays, every level's stays are listed open.
constexpr std::size_t openStays = 12;

void setBold(const QList<QStandardItem*>& row) {
    for (QStandardItem* item : row) {
        QFont bold = item->data(Qt::FontRole).isValid() ? item->font() : look::font(false);
        bold.setBold(true);
        item->setFont(bold);
    }
}

}  // namespace

SeasonsView::SeasonsView(QWidget* parent) : QTreeView(parent) {
    setObjectName(QStringLiteral("seasons"));
    setAccessibleName(tr("Seasons"));
    setAccessibleDescription(
        tr("The career's totals, then each level with its totals and its stays."));
    setFont(look::font(false));
    setAlternatingRowColors(true);
    setUniformRowHeights(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    look::darken(this);
    seasonRows_ = new QStandardItemModel(0, seasonColumnCount, this);
    seasonRows_->setHorizontalHeaderLabels(seasonHeadings());
    setModel(seasonRows_);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::Interactive);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void SeasonsView::fitColumns() {
    // Every row counts, folded or not, so that opening a level never finds
    // a figure wider than its column.
    std::vector<int> widths(seasonColumnCount, 0);
    const auto measure = [&](const QStandardItem* item, int column, int indent) {
        const QFont font = item->data(Qt::FontRole).isValid() ? item->font() : this->font();
        const int width = QFontMetrics(font).horizontalAdvance(item->text()) + indent + 12;
        widths[column] = std::max(widths[column], width);
    };
    for (int row = 0; row < seasonRows_->rowCount(); ++row) {
        const QStandardItem* level = seasonRows_->item(row, 0);
        for (int column = 0; column < seasonColumnCount; ++column) {
            measure(seasonRows_->item(row, column), column, column == 0 ? indentation() : 0);
        }
        for (int stay = 0; stay < level->rowCount(); ++stay) {
            for (int column = 0; column < seasonColumnCount; ++column) {
                measure(level->child(stay, column), column, column == 0 ? 2 * indentation() : 0);
            }
        }
    }
    for (int column = 0; column < seasonColumnCount; ++column) {
        setColumnWidth(column, std::max(widths[column], header()->sectionSizeHint(column)));
    }
}

void SeasonsView::showSeasons(const std::vector<HistoryRow>& rows) {
    seasonRows_->removeRows(0, seasonRows_->rowCount());
    const std::vector<Stay> stays = staysInOrder(rows);
    if (!stays.empty()) {
        //: The first row of the seasons table: the whole career's figures.
        QList<QStandardItem*> total = seasonRow(tr("Career"), QString(), careerTotal(stays));
        setBold(total);
        seasonRows_->appendRow(total);
    }
    for (const LevelStays& level : staysByLevel(stays)) {
        QList<QStandardItem*> group = seasonRow(levelName(level.level), QString(), level.figures);
        setBold(group);
        for (const std::size_t at : level.stays) {
            const Stay& stay = stays[at];
            //: A stay at one level in the seasons table: the first and last match of it.
            const QString matches =
                tr("Matches %1 to %2")
                    .arg(shownNumber(stay.firstMatch), shownNumber(stay.lastMatch));
            group.first()->appendRow(seasonRow(matches, teamName(stay.team), stay.figures));
        }
        seasonRows_->appendRow(group);
    }
    // Each level opened by itself: a stay, which has none below it, is then
    // not told to a screen reader as open.
    if (stays.size() <= openStays) {
        for (int row = 0; row < seasonRows_->rowCount(); ++row) {
            if (seasonRows_->item(row)->hasChildren()) expand(seasonRows_->index(row, 0));
        }
    }
    fitColumns();
}
