// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/history/seasons_view.h"

#include <QHeaderView>
#include <QLocale>
#include <QStandardItemModel>

#include "game/career_story.h"
#include "game/level.h"
#include "game/money.h"
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

}  // namespace

SeasonsView::SeasonsView(QWidget* parent) : QTableView(parent) {
    historyLook::setUpTable(this, QStringLiteral("seasons"), tr("Seasons"),
                            tr("Each stay at one level, in order, then the career's totals."));
    seasonRows_ = new QStandardItemModel(0, seasonColumnCount, this);
    seasonRows_->setHorizontalHeaderLabels(
        {tr("Level"), tr("Team"), tr("Matches"), tr("Runs"), tr("Highest score"),
         tr("Batting average"), tr("50s"), tr("100s"), tr("Wickets"),
         //: The most wickets taken in one match.
         tr("Best bowling"),
         //: Matches in which the player took five wickets or more.
         tr("Five-wicket matches"), tr("Catches"), tr("Money earned (Rs.)")});
    setModel(seasonRows_);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void SeasonsView::showSeasons(const std::vector<HistoryRow>& rows) {
    seasonRows_->removeRows(0, seasonRows_->rowCount());
    const std::vector<Spell> spells = levelSpells(rows);
    for (const Spell& spell : spells) {
        seasonRows_->appendRow(seasonRow(levelName(spell.level), spell.team, spell.figures));
    }
    if (!spells.empty()) {
        //: The last row of the seasons table: the whole career's figures.
        QList<QStandardItem*> total = seasonRow(tr("Career"), QString(), careerTotal(spells));
        QFont bold = look::font(true);
        for (QStandardItem* item : total) item->setFont(bold);
        seasonRows_->appendRow(total);
    }
}
