// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/match_screen.h"

#include <QCloseEvent>
#include <QLabel>

#include "game/career.h"
#include "game/play_messages.h"
#include "game/shown_numbers.h"
#include "game/start_career.h"
#include "screens/career_in_play.h"
#include "screens/command_button.h"
#include "screens/look.h"
#include "screens/platform.h"
#include "screens/prompter.h"
#include "screens/save_notices.h"
#include "screens/titled_frame.h"
#include "session/career_session.h"

MatchScreen::MatchScreen(CareerInPlay& career, Platform& platform, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      career_(career),
      platform_(platform) {
    setObjectName(QStringLiteral("Match"));
    look::setUpWindow(this, tr("Bailcrest: Match Details"), 3975, 2400);
    setModal(true);

    const Career& playing = career_.career();
    QLabel* player = look::value(this, QStringLiteral("Label2_1"), tr("Player"), look::red,
                                 look::rect(120, 120, 3735, 375), Qt::AlignHCenter);
    look::setValueText(player, playing.player);
    QLabel* team = look::value(this, QStringLiteral("Label2_2"), tr("Team"), look::red,
                               look::rect(120, 360, 3735, 375), Qt::AlignHCenter);
    look::setValueText(team, teamName(playing.team));
    QLabel* heading = look::caption(this, QStringLiteral("Label2_0"), tr("MATCH STATISTICS"),
                                    look::green, look::rect(120, 600, 3735, 255));
    heading->setAlignment(Qt::AlignCenter);
    // The three lines' places overlap: their letters must not.
    look::keepApart(team, heading);
    look::keepApart(player, team);
    auto* outline = new Outline(look::lightGrey, this);
    outline->setObjectName(QStringLiteral("Shape1"));
    look::place(outline, look::rect(120, 840, 3735, 975));
    look::labelWith(heading, outline);

    performance_ = career_.update(
        [this](CareerSession& session) { return session.drawMatch(platform_.random); });

    const struct {
        QString caption;
        int figure;
    } rows[] = {{tr("Runs Scored:"), performance_.runs},
                {tr("Wickets Taken:"), performance_.wickets},
                {tr("Catches Held:"), performance_.catches}};
    for (int i = 0; i < 3; ++i) {
        const int top = 960 + 240 * i;
        QLabel* caption = look::caption(this, QStringLiteral("Label3_%1").arg(i), rows[i].caption,
                                        look::lightGrey, look::rect(240, top, 2895, 255));
        QLabel* figure = look::value(this, QStringLiteral("Label%1").arg(4 + i), rows[i].caption,
                                     look::lightYellow, look::rect(2280, top, 1455, 255));
        look::setValueText(figure, shownNumber(rows[i].figure));
        look::labelWith(caption, figure);
    }
    //: What a screen reader says of the match as its screen opens.
    result_ = tr("Runs %1, wickets %2, catches %3")
                  .arg(shownNumber(performance_.runs), shownNumber(performance_.wickets),
                       shownNumber(performance_.catches));

    ok_ = new CommandButton(tr("OK"), this);
    ok_->setObjectName(QStringLiteral("Label1_0"));
    look::place(ok_, look::rect(1440, 1920, 1095, 375));
    // The window opens with OK in focus, and a screen reader tells what is in
    // focus right after the window's title: the result goes with it, to be
    // heard without looking for it (and only once, not with the window too).
    ok_->setAccessibleDescription(result_);
    ok_->setFocus();
    connect(ok_, &QAbstractButton::clicked, this, &MatchScreen::confirm);
}

void MatchScreen::confirm() {
    // The notices below run an event loop of their own, in which a second
    // press must not apply the match again.
    if (applied_) return;
    applied_ = true;
    const ConfirmedMatch confirmed =
        career_.update([this](CareerSession& session) { return session.confirmMatch(); });
    saved_ = confirmed.saved;
    // The match is over once its figures are taken: what it brought is told
    // over the window behind, with this one already out of the way.
    accept();
    QWidget* behind = parentWidget() ? parentWidget() : this;
    if (confirmed.award > 0) platform_.prompter.notice(behind, awardNotice(confirmed.award));
    SaveNotices::show(platform_.prompter, behind, confirmed.saveFailure, confirmed.keptAside);
    if (const auto& reason = confirmed.historyFailure) {
        platform_.prompter.notice(
            behind,
            tr("The history of your career could not be kept in %1: %2. Your career is saved as "
               "before, the History window still shows every match of this game, and the game "
               "tries again after your next match.")
                .arg(shownPath(career_.session().historyPath()), *reason));
    }
}

void MatchScreen::reject() {}

void MatchScreen::closeEvent(QCloseEvent* event) {
    if (applied_) {
        event->accept();
    } else {
        event->ignore();
    }
}
