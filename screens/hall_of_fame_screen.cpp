// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/hall_of_fame_screen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QStandardItemModel>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "game/level.h"
#include "game/shown_numbers.h"
#include "saves/saved_careers.h"
#include "screens/command_button.h"
#include "screens/command_row.h"
#include "screens/look.h"
#include "screens/prompter.h"
#include "screens/row_table.h"
#include "screens/shown_name.h"

namespace {

enum Column {
    rankColumn,
    playerColumn,
    levelColumn,
    matchesColumn,
    runsColumn,
    wicketsColumn,
    balanceColumn,
    statusColumn,
    lastPlayedColumn,
    columnCount
};

QString listName(FameList list) {
    switch (list) {
        case FameList::mostRuns:
            return HallOfFameScreen::tr("Most &Runs");
        case FameList::mostWickets:
            return HallOfFameScreen::tr("Most &Wickets");
        case FameList::highestLevel:
            //: The careers that rose highest: Club, City, State, National.
            return HallOfFameScreen::tr("&Highest Level");
        case FameList::longestCareer:
            //: The careers of the most matches.
            return HallOfFameScreen::tr("L&ongest Career");
        case FameList::richest:
            //: The careers with the most money in the bank.
            return HallOfFameScreen::tr("Ri&chest");
    }
    return QString();
}

// The careers at the places given, best first; those from the first
// read-only place on are the read-only folder's.
QStandardItemModel* listModel(const std::vector<FameEntry>& careers,
                              const std::vector<std::size_t>& places, std::size_t firstReadOnly,
                              QObject* parent) {
    auto* model = new QStandardItemModel(0, columnCount, parent);
    model->setHorizontalHeaderLabels(
        {//: The place in a list of the best careers.
         HallOfFameScreen::tr("Place"), HallOfFameScreen::tr("Player"),
         HallOfFameScreen::tr("Highest level"), HallOfFameScreen::tr("Matches"),
         HallOfFameScreen::tr("Runs"), HallOfFameScreen::tr("Wickets"),
         HallOfFameScreen::tr("Bank balance (Rs.)"), HallOfFameScreen::tr("Status"),
         HallOfFameScreen::tr("Last played")});
    for (std::size_t i = 0; i < places.size(); ++i) {
        const FameEntry& e = careers[places[i]];
        //: Whether a career in the hall of fame has ended or is still played.
        const QString standing =
            e.ended ? HallOfFameScreen::tr("Ended") : HallOfFameScreen::tr("Playing");
        const QString texts[columnCount] = {
            shownNumber(static_cast<qint64>(i + 1)), e.player, levelName(e.highestLevel),
            shownNumber(e.matches), shownNumber(e.runs), shownNumber(e.wickets),
            shownMoney(e.bankBalance),
            //: A career of a Saves folder the game cannot write to: %1 is
            //: whether it has ended ("Ended", "Playing").
            places[i] >= firstReadOnly ? HallOfFameScreen::tr("%1, read-only").arg(standing)
                                       : standing,
            e.lastPlayed.isValid()
                ? QLocale().toString(e.lastPlayed.toLocalTime(), QLocale::ShortFormat)
                : QString()};
        QList<QStandardItem*> row;
        for (int column = 0; column < columnCount; ++column) {
            auto* item = new QStandardItem(texts[column]);
            item->setEditable(false);
            const bool number =
                column == rankColumn || (column >= matchesColumn && column <= balanceColumn);
            item->setTextAlignment((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
            row << item;
        }
        model->appendRow(row);
    }
    return model;
}

// How much wider the tab widget is than the page it shows, as its style
// draws the pane around the page.
int paneFrameWidth(const QTabWidget& tabs) {
    QStyleOptionTabWidgetFrame option;
    option.initFrom(&tabs);
    option.shape = tabs.tabBar()->shape();
    option.tabBarSize = tabs.tabBar()->sizeHint();
    option.lineWidth = tabs.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &tabs);
    const QRect page =
        tabs.style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, &tabs);
    return option.rect.width() - page.width();
}

}  // namespace

HallOfFameScreen::HallOfFameScreen(const std::vector<FameEntry>& ownCareers, QWidget* owner,
                                   const ReadOnlyHall& readOnly)
    : QDialog(owner) {
    std::vector<FameEntry> careers = ownCareers;
    careers.insert(careers.end(), readOnly.careers.begin(), readOnly.careers.end());
    setObjectName(QStringLiteral("hallOfFame"));
    look::setUpResizableWindow(this, tr("Bailcrest: Hall of Fame"), 11000, 5400);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("fameLists"));
    tabs_->setFont(look::font(true));
    look::darken(tabs_);
    for (int i = 0; i < fameListCount; ++i) {
        const auto list = static_cast<FameList>(i);
        auto* table = new QTableView(tabs_);
        table->setObjectName(QStringLiteral("fameList%1").arg(i));
        table->setModel(
            listModel(careers, rankedPlaces(careers, list, listLength), ownCareers.size(), table));
        setUpRowTable(table, look::accessibleCaption(listName(list)));
        showNamesInColumn(table, playerColumn);
        fitColumnsToContents(table);
        tabs_->addTab(table, listName(list));
        tables_[static_cast<std::size_t>(i)] = table;
    }
    layout->addWidget(tabs_, 1);
    describe(careers.size());
    // Every column in sight where the screen has the room: a language that
    // writes longer than English widens the window rather than opening its
    // lists scrolled sideways.
    int widest = 0;
    for (const QTableView* table : tables_) widest = std::max(widest, wholeTableWidth(table));
    const QMargins margins = layout->contentsMargins();
    int wide =
        std::max(width(), widest + paneFrameWidth(*tabs_) + margins.left() + margins.right());
    if (const QScreen* on = screen()) wide = std::min(wide, on->availableGeometry().width());
    resize(wide, height());

    if (careers.empty()) {
        auto* none = new QLabel(tr("No career has been saved yet. Careers that save themselves "
                                   "after every match come in here."),
                                this);
        none->setObjectName(QStringLiteral("noCareers"));
        none->setFont(look::font(false));
        none->setWordWrap(true);
        look::setTextColour(none, look::silver);
        layout->addWidget(none);
    }

    if (!readOnly.folder.isEmpty()) {
        //: %1 is a Saves folder the game cannot write to, %2 where new saves go.
        auto* note = new QLabel(
            tr("The hall of fame of %1 is shown too, its careers marked read-only: the game "
               "cannot write there, so new saves, and the careers they bring in here, go to %2.")
                .arg(shownPath(readOnly.folder), shownPath(readOnly.savesTo)),
            this);
        note->setObjectName(QStringLiteral("readOnlyHall"));
        note->setFont(look::font(false));
        note->setWordWrap(true);
        note->setTextFormat(Qt::PlainText);
        look::setTextColour(note, look::silver);
        layout->addWidget(note);
    }

    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    auto* close =
        addCommand(commands, QStringLiteral("close"), tr("Close"), {QKeySequence(Qt::Key_Escape)});
    layout->addLayout(commands);
    connect(close, &QAbstractButton::clicked, this, &QDialog::accept);
    tables_[0]->setFocus();
}

void tellHallOfFameUpdate(const HallOfFameUpdate& update, Prompter& prompter, QWidget* owner) {
    if (!update.setAsideTo.isEmpty()) {
        const QString kept = shownPath(update.setAsideTo);
        const int read = static_cast<int>(update.readFromDamaged);
        //: %1 is the file the damaged hall of fame is kept as.
        prompter.notice(owner, read == 0
                                   ? HallOfFameScreen::tr("The hall of fame file was damaged, "
                                                          "and no career could be read from "
                                                          "it. It is kept as %1, and the hall "
                                                          "of fame starts afresh.")
                                         .arg(kept)
                                   : HallOfFameScreen::tr("The hall of fame file was damaged. "
                                                          "It is kept as %1, and the hall of "
                                                          "fame goes on with the %Ln careers "
                                                          "that could be read from it.",
                                                          nullptr, read)
                                         .arg(kept));
    }
    if (update.failure) {
        //: %1 is the file, %2 the reason it could not be written.
        prompter.notice(owner, HallOfFameScreen::tr("The hall of fame %1 could not be kept: %2.")
                                   .arg(shownPath(update.file), *update.failure));
    }
}

void showHallOfFame(const QString& folder, Prompter& prompter, QWidget* owner,
                    const QString& readOnlyFolder) {
    const HallOfFameUpdate update = rememberSavedCareers(folder);
    tellHallOfFameUpdate(update, prompter, owner);
    HallOfFameScreen::ReadOnlyHall readOnly;
    if (!readOnlyFolder.isEmpty())
        readOnly = {readOnlyFolder, folder, readOnlyHallOfFame(readOnlyFolder)};
    HallOfFameScreen screen(update.entries, owner, readOnly);
    screen.exec();
}

void HallOfFameScreen::describe(std::size_t careers) {
    // What a screen reader tells as the hall opens: how many careers it
    // holds, and the first of the list it opens on, column by column.
    const QAbstractItemModel* first = tables_[0]->model();
    if (careers == 0 || first->rowCount() == 0) return;
    QStringList cells;
    for (int column = 0; column < first->columnCount(); ++column) {
        //: A column of the hall of fame's first career as a screen reader tells
        //: it: %1 the column's heading ("Runs"), %2 the career's figure.
        cells << tr("%1: %2").arg(first->headerData(column, Qt::Horizontal).toString(),
                                  first->index(0, column).data().toString());
    }
    //: What a screen reader tells as the hall of fame opens: %Ln the careers it
    //: holds, %1 the list it opens on ("Most Runs"), %2 that list's first career.
    setAccessibleDescription(
        tr("%Ln career(s) in the hall of fame. %1, first: %2.", "", static_cast<int>(careers))
            .arg(look::accessibleCaption(listName(FameList::mostRuns)), cells.join(tr("; "))));
}
