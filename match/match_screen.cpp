#include "match/match_screen.h"

#include <QCloseEvent>
#include <QLabel>

#include "core/career.h"
#include "match/post_match_update.h"
#include "match/random_gen.h"
#include "match/take_match_context.h"
#include "saves/store_data.h"
#include "ui/command_button.h"
#include "ui/look.h"
#include "ui/platform.h"
#include "ui/titled_frame.h"

MatchScreen::MatchScreen(Career& career, Platform& platform, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      career_(career),
      platform_(platform) {
    setObjectName(QStringLiteral("Match"));
    look::setUpWindow(this, QStringLiteral("Bailcrest: Match Details"), 3975, 2400);
    setModal(true);

    const CareerRecord& record = career_.record;
    QLabel* player = look::value(this, QStringLiteral("Label2_1"), QStringLiteral("Player"),
                                 look::red, look::rect(120, 120, 3735, 375), Qt::AlignHCenter);
    look::setValueText(player, record.text(Field::player));
    QLabel* team = look::value(this, QStringLiteral("Label2_2"), QStringLiteral("Team"), look::red,
                               look::rect(120, 360, 3735, 375), Qt::AlignHCenter);
    look::setValueText(team, record.text(Field::team));
    look::caption(this, QStringLiteral("Label2_0"), QStringLiteral("MATCH STATISTICS"), look::green,
                  look::rect(120, 600, 3735, 255))
        ->setAlignment(Qt::AlignCenter);
    auto* outline = new Outline(look::lightGrey, this);
    outline->setObjectName(QStringLiteral("Shape1"));
    outline->setGeometry(look::rect(120, 840, 3735, 975));

    context_ = takeMatchContext(record);
    performance_ = RandomGen(context_, platform_.random);

    const struct {
        const char* caption;
        int figure;
    } rows[] = {{"Runs Scored:", performance_.runs},
                {"Wickets Taken:", performance_.wickets},
                {"Catches Held:", performance_.catches}};
    for (int i = 0; i < 3; ++i) {
        const int top = 960 + 240 * i;
        const QString caption = QString::fromLatin1(rows[i].caption);
        look::caption(this, QStringLiteral("Label3_%1").arg(i), caption, look::lightGrey,
                      look::rect(240, top, 2895, 255));
        QLabel* figure = look::value(this, QStringLiteral("Label%1").arg(4 + i), caption,
                                     look::lightYellow, look::rect(2280, top, 1455, 255));
        look::setValueText(figure, QString::number(rows[i].figure));
    }

    ok_ = new CommandButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("Label1_0"));
    ok_->setGeometry(look::rect(1440, 1920, 1095, 375));
    ok_->setFocus();
    connect(ok_, &QAbstractButton::clicked, this, &MatchScreen::confirm);
}

void MatchScreen::confirm() {
    // The award notice or the save may run an event loop of their own; the
    // match is applied once whatever happens meanwhile.
    if (applied_) return;
    applied_ = true;
    ChangeData(context_, performance_, career_, platform_.prompter);
    if (context_.autoSave == 1) storeData(context_, career_, platform_);
    accept();
}

void MatchScreen::reject() {}

void MatchScreen::closeEvent(QCloseEvent* event) {
    if (applied_) {
        event->accept();
    } else {
        event->ignore();
    }
}
