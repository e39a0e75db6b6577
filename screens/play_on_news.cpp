// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/play_on_news.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "game/career.h"
#include "game/level.h"
#include "game/play_messages.h"
#include "game/selection.h"
#include "game/shown_numbers.h"
#include "screens/command_button.h"
#include "screens/command_row.h"
#include "screens/look.h"
#include "screens/match_screen.h"
#include "screens/save_notices.h"

namespace {

// What the match screen would have told in a box, in its words.
QString toldText(const PlayOnNews& news) {
    struct Told {
        QString operator()(const Notice& notice) const {
            return shownNoticeText(notice).replace(QLatin1Char('\n'), QLatin1Char(' '));
        }
        QString operator()(const AwardNews& award) const { return awardNotice(award.award); }
        QString operator()(const SaveFailure& failure) const {
            return SaveNotices::failureText(failure);
        }
        QString operator()(const HistoryNotKept& failure) const {
            return MatchScreen::tr(
                       "The history of your career could not be kept in %1: %2. Your career is "
                       "saved as before, the History window still shows every match of this "
                       "game, and the game tries again after your next match.")
                .arg(shownPath(failure.path), failure.reason);
        }
        QString operator()(const KeptFile& kept) const { return SaveNotices::keptText(kept); }
    };
    return std::visit(Told{}, news.news);
}

}  // namespace

QString newsLine(const PlayOnNews& news) {
    //: One line of the news of a run of matches: the match of the run (%1) and what
    //: happened (%2).
    return PlayOnNewsScreen::tr("Match %1: %2").arg(shownNumber(news.match), toldText(news));
}

QString runSummaryLine(const PlayOnSummary& summary) {
    const QString runs = shownNumber(summary.runs);
    const QString wickets = shownNumber(summary.wickets);
    const QString money = shownMoney(summary.moneyEarned);
    if (summary.levelBefore == summary.levelAfter) {
        //: The summary of a run of matches; %4 is the level played at (Club, City, ...).
        return PlayOnNewsScreen::tr(
                   "%Ln match(es): %1 runs, %2 wickets, Rs. %3 earned, at %4 level.", "",
                   summary.matches)
            .arg(runs, wickets, money, levelName(summary.levelAfter));
    }
    //: The summary of a run of matches that moved the player from level %4 to level %5.
    return PlayOnNewsScreen::tr(
               "%Ln match(es): %1 runs, %2 wickets, Rs. %3 earned, from %4 level to %5 level.", "",
               summary.matches)
        .arg(runs, wickets, money, levelName(summary.levelBefore), levelName(summary.levelAfter));
}

QString runStopText(const PlayOnRun& run, const Career& career) {
    switch (run.stopped().value_or(PlayOnStop::allPlayed)) {
        case PlayOnStop::allPlayed:
            return PlayOnNewsScreen::tr("Every match asked for was played.");
        case PlayOnStop::dropWarning: {
            const std::vector<DropWarning> warnings = dropWarnings(career);
            //: %1 says which figure could drop the player: "Stamina 2: at 0 you will not be
            //: selected."
            return PlayOnNewsScreen::tr("Stopped before a drop. %1")
                .arg(warnings.empty() ? QString() : dropWarningText(warnings.front()));
        }
        case PlayOnStop::promotion:
            return PlayOnNewsScreen::tr("Stopped at a promotion.");
        case PlayOnStop::worldCup:
            return PlayOnNewsScreen::tr("Stopped at World Cup selection.");
        case PlayOnStop::award:
            return PlayOnNewsScreen::tr("Stopped at an award.");
        case PlayOnStop::conditionFloor:
            return PlayOnNewsScreen::tr("Stopped: the condition watched fell to %1.")
                .arg(shownNumber(run.rules().conditionFloor ? run.rules().conditionFloor->value
                                                            : 0));
        case PlayOnStop::bookieOffer:
            return PlayOnNewsScreen::tr("Stopped at the bookie's offer.");
        case PlayOnStop::careerOver:
            return PlayOnNewsScreen::tr("Stopped: the career is over.");
        case PlayOnStop::stoppedByPlayer:
            return PlayOnNewsScreen::tr("Stopped by you.");
    }
    return QString();
}

PlayOnNewsScreen::PlayOnNewsScreen(const PlayOnRun& run, const Career& career, QWidget* owner)
    : QDialog(owner) {
    setObjectName(QStringLiteral("playOnNews"));
    look::setUpResizableWindow(this, tr("Bailcrest: What Happened"), 7500, 4500);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    const auto line = [&](const QString& objectName, const QString& text, const QColor& colour) {
        auto* label = new QLabel(text, this);
        label->setObjectName(objectName);
        label->setFont(look::font(true));
        label->setWordWrap(true);
        look::setTextColour(label, colour);
        layout->addWidget(label);
        return label;
    };
    line(QStringLiteral("summary"), runSummaryLine(run.summary()), look::lightYellow);
    line(QStringLiteral("stop"), runStopText(run, career), look::silver);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("news"));
    list_->setFont(look::font(false));
    list_->setWordWrap(true);
    look::darken(list_);
    //: The accessible name of the list of what happened in a run of matches.
    list_->setAccessibleName(tr("What happened"));
    for (const PlayOnNews& news : run.news()) list_->addItem(newsLine(news));
    if (run.news().empty()) list_->addItem(tr("Nothing else to tell."));
    list_->setCurrentRow(0);
    layout->addWidget(list_, 1);

    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    auto* ok = addCommand(
        commands, QStringLiteral("ok"), MatchScreen::tr("OK"),
        {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Escape)});
    commands->addStretch(1);
    layout->addLayout(commands);
    connect(ok, &QAbstractButton::clicked, this, &QDialog::accept);
    list_->setFocus();
}
