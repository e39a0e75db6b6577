// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/records_screen.h"

#include <QLabel>

#include "game/career.h"
#include "game/shown_numbers.h"
#include "screens/career_model.h"
#include "screens/command_button.h"
#include "screens/look.h"
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

RecordsScreen::RecordsScreen(const CareerModel& career, QWidget* owner)
    : QDialog(owner), career_(career) {
    setObjectName(QStringLiteral("Records"));
    look::setUpWindow(this, tr("Bailcrest: Record Book"), 7935, 4545);
    setModal(true);

    name_ = look::value(this, QStringLiteral("Label2_0"), tr("Player"), look::red,
                        look::rect(120, 120, 7695, 255), Qt::AlignHCenter);
    look::caption(this, QStringLiteral("Label2_12"), tr("CAREER RECORDS AND STATS"), look::green,
                  look::rect(120, 480, 7695, 255))
        ->setAlignment(Qt::AlignCenter);
    auto* outline = new Outline(look::lightGrey, this);
    outline->setObjectName(QStringLiteral("Shape1"));
    look::place(outline, look::rect(120, 720, 7695, 3255));

    const std::array<QString, levelCount> columnHeadings{tr("Club"), tr("City"), tr("State"),
                                                         tr("Country")};
    const std::array<QString, rowCount> rowCaptions{
        tr("Matches Played:"), tr("Runs Scored:"),     tr("Wickets Taken:"), tr("Catches Held:"),
        tr("Highest Score:"),  tr("Batting Average:"), tr("50s:"),           tr("100s:"),
        tr("Most Wickets:"),   tr("5 Wickets:")};
    look::caption(this, QStringLiteral("Label3"), tr("Level/Team:"), look::silver,
                  look::rect(240, 840, 1935, 255));
    for (int column = 0; column < levelCount; ++column) {
        look::caption(this, QStringLiteral("Label14_%1").arg(column), columnHeadings[column],
                      look::silver, look::rect(columnLefts[column], 840, 1095, 255));
    }
    for (int row = 0; row < rowCount; ++row) {
        look::caption(this, QStringLiteral("Label3_%1").arg(row), rowCaptions[row], look::silver,
                      look::rect(240, rowTops[row], 1935, 255));
        for (int column = 0; column < levelCount; ++column) {
            const QString description = look::accessibleCaption(rowCaptions[row]) +
                                        QStringLiteral(", ") + columnHeadings[column];
            cells_[row][column] = look::value(
                this, QStringLiteral("Label%1_%2").arg(row + 4).arg(column), description,
                look::lightYellow, look::rect(columnLefts[column], rowTops[row], 1095, 255));
        }
    }

    ok_ = new CommandButton(tr("OK"), this);
    ok_->setObjectName(QStringLiteral("Label1_0"));
    look::place(ok_, look::rect(3420, 4080, 1095, 375));
    connect(ok_, &QAbstractButton::clicked, this, &QDialog::hide);

    connect(&career_, &CareerModel::changed, this, &RecordsScreen::showRecords);
    showRecords();
}

void RecordsScreen::showRecords() {
    const Career& career = career_.career();
    look::setValueText(name_, career.player);
    for (const Level level : allLevels) {
        const auto rows = rowsOf(career.recordBook[levelIndex(level)]);
        for (int row = 0; row < rowCount; ++row) {
            look::setValueText(cells_[row][levelIndex(level)], rows[row]);
        }
    }
}
