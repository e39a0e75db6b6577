// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/records_screen.h"

#include <QLabel>
#include <QStringList>

#include "game/career.h"
#include "game/shown_numbers.h"
#include "screens/career_in_play.h"
#include "screens/command_button.h"
#include "screens/look.h"
#include "screens/record_table.h"
#include "screens/titled_frame.h"

namespace {

constexpr std::array<int, levelCount> columnLefts{2280, 3720, 5160, 6600};
constexpr std::array<int, RecordsScreen::rowCount> rowTops{1200, 1440, 1680, 1920, 2280,
                                                           2520, 2760, 3000, 3360, 3600};

// The figures of a level in the book's row order.
std::array<QString, RecordsScreen::rowCount> rowsOf(const LevelStatistics& s) {
    return {shownNumber(s.matches),      shownNumber(s.runs),
            shownNumber(s.wickets),      shownNumber(s.catches),
            shownNumber(s.highestScore), shownAverage(s.battingAverage),
            shownNumber(s.fifties),      shownNumber(s.hundreds),
            shownNumber(s.mostWickets),  shownNumber(s.fiveWicketHauls)};
}

}  // namespace

RecordsScreen::RecordsScreen(const CareerInPlay& career, QWidget* owner)
    : QDialog(owner), career_(career) {
    setObjectName(QStringLiteral("Records"));
    look::setUpWindow(this, tr("Bailcrest: Record Book"), 7935, 4545);
    setModal(true);

    name_ = look::value(this, QStringLiteral("Label2_0"), tr("Player"), look::red,
                        look::rect(120, 120, 7695, 255), Qt::AlignHCenter);
    QLabel* heading =
        look::caption(this, QStringLiteral("Label2_12"), tr("CAREER RECORDS AND STATS"),
                      look::green, look::rect(120, 480, 7695, 255));
    heading->setAlignment(Qt::AlignCenter);
    auto* outline = new Outline(look::lightGrey, this);
    outline->setObjectName(QStringLiteral("Shape1"));
    look::place(outline, look::rect(120, 720, 7695, 3255));
    look::labelWith(heading, outline);

    columnHeadings_ = {tr("Club"), tr("City"), tr("State"), tr("Country")};
    const auto& columnHeadings = columnHeadings_;
    rowCaptions_ = {
        tr("Matches Played:"), tr("Runs Scored:"),     tr("Wickets Taken:"), tr("Catches Held:"),
        tr("Highest Score:"),  tr("Batting Average:"), tr("50s:"),           tr("100s:"),
        tr("Most Wickets:"),   tr("5 Wickets:")};
    const auto& rowCaptions = rowCaptions_;
    look::caption(this, QStringLiteral("Label3"), tr("Level/Team:"), look::silver,
                  look::rect(240, 840, 1935, 255));
    // The headings and figures stand where they would in the window; a
    // screen reader meets them as a table with its headers.
    table_ = new RecordTable(rowCount, levelCount, this);
    table_->setObjectName(QStringLiteral("recordTable"));
    for (int column = 0; column < levelCount; ++column) {
        table_->setColumnHeader(
            column,
            look::caption(table_, QStringLiteral("Label14_%1").arg(column), columnHeadings[column],
                          look::silver, look::rect(columnLefts[column], 840, 1095, 255)));
    }
    for (int row = 0; row < rowCount; ++row) {
        QLabel* rowCaption =
            look::caption(table_, QStringLiteral("Label3_%1").arg(row), rowCaptions[row],
                          look::silver, look::rect(240, rowTops[row], 1935, 255));
        table_->setRowHeader(row, rowCaption);
        for (int column = 0; column < levelCount; ++column) {
            const QString description = look::accessibleCaption(rowCaptions[row]) +
                                        QStringLiteral(", ") + columnHeadings[column];
            cells_[row][column] = look::value(
                table_, QStringLiteral("Label%1_%2").arg(row + 4).arg(column), description,
                look::lightYellow, look::rect(columnLefts[column], rowTops[row], 1095, 255));
            table_->setCell(row, column, cells_[row][column]);
        }
        // The row's caption labels its first figure; the book as a whole is
        // told by its description.
        look::labelWith(rowCaption, cells_[row][0]);
    }

    ok_ = new CommandButton(tr("OK"), this);
    ok_->setObjectName(QStringLiteral("Label1_0"));
    look::place(ok_, look::rect(3420, 4080, 1095, 375));
    connect(ok_, &QAbstractButton::clicked, this, &QDialog::hide);

    connect(&career_, &CareerInPlay::changed, this, &RecordsScreen::showRecords);
    showRecords();
}

void RecordsScreen::showRecords() {
    const Career& career = career_.career();
    look::setValueText(name_, career.player);
    // What a screen reader tells as the book opens: each level played at,
    // or the level of play before the first match, with its figures.
    QStringList told;
    for (const Level level : allLevels) {
        const LevelStatistics& statistics = career.recordBook[levelIndex(level)];
        const auto rows = rowsOf(statistics);
        QStringList figures;
        for (int row = 0; row < rowCount; ++row) {
            look::setValueText(cells_[row][levelIndex(level)], rows[row]);
            //: A figure of the record book as a screen reader reads it: %1
            //: its caption ("Runs Scored"), %2 the figure.
            figures << tr("%1 %2").arg(look::accessibleCaption(rowCaptions_[row]), rows[row]);
        }
        if (statistics.matches > 0 || level == career.level) {
            //: A level of the record book as a screen reader reads it: %1 the
            //: level's heading ("Club"), %2 its figures one after another.
            told << tr("%1: %2.").arg(columnHeadings_[levelIndex(level)], figures.join(tr(", ")));
        }
    }
    setAccessibleDescription(told.join(QLatin1Char(' ')));
}
