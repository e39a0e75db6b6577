// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/sponsors_screen.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QStringList>
#include <algorithm>

#include "game/career.h"
#include "game/shown_numbers.h"
#include "screens/career_in_play.h"
#include "screens/focus_marked.h"
#include "screens/look.h"
#include "screens/save_notices.h"
#include "screens/titled_frame.h"
#include "session/career_session.h"

namespace {

constexpr int windowWidth = 4695;
constexpr int innerLeft = 120;
constexpr int innerWidth = windowWidth - 2 * innerLeft;
constexpr int lineHeight = 255;
constexpr int optionLeft = 360;
constexpr int optionWidth = 2655;
constexpr int offerLeft = 3135;
constexpr int offerWidth = 1215;
constexpr int firstOptionTop = 960;
constexpr int optionStep = 300;
const QColor unavailable{128, 128, 160};

// An option's caption marks an access key with "&", so the "&" of a name is
// doubled to show as itself.
QString captionOf(const QString& name) {
    return QString(name).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QRadioButton* sponsorOption(QWidget* parent, int index) {
    const QString caption = captionOf(sponsors.at(index).name);
    auto* option = new FocusMarked<QRadioButton>(caption, parent);
    option->setObjectName(QStringLiteral("Option1_%1").arg(index));
    option->setFont(look::font(true));
    look::place(option, look::rect(optionLeft, firstOptionTop + index * optionStep, optionWidth,
                                   lineHeight));
    option->setAccessibleName(look::accessibleCaption(caption));
    option->setAutoFillBackground(true);
    QPalette palette = option->palette();
    palette.setColor(QPalette::Window, look::navy);
    palette.setColor(QPalette::Button, look::navy);
    // The usual white circle with a black dot, greyed while unavailable.
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Disabled, QPalette::Base, look::silver);
    palette.setColor(QPalette::Text, look::black);
    palette.setColor(QPalette::WindowText, look::green);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, unavailable);
    option->setPalette(palette);
    option->setEnabled(false);
    return option;
}

}  // namespace

SponsorsScreen::SponsorsScreen(CareerInPlay& career, Prompter& prompter, QWidget* owner)
    : ManagementDialog(owner),
      career_(career),
      prompter_(prompter),
      group_(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("Sponsors"));
    const int boxBottom = firstOptionTop + 7 * optionStep + lineHeight + 150;
    const int commandsTop = boxBottom + 180;
    look::setUpWindow(this, tr("Bailcrest: Sponsorship"), windowWidth, commandsTop + 375 + 150);

    QLabel* heading =
        look::caption(this, QStringLiteral("Label2"), tr("SPONSORSHIP OFFERS"), look::green,
                      look::rect(innerLeft, 120, innerWidth, lineHeight));
    heading->setAlignment(Qt::AlignCenter);
    auto* box = new Outline(look::lightGrey, this);
    box->setObjectName(QStringLiteral("Shape1"));
    look::place(box, look::rect(innerLeft, 420, innerWidth, boxBottom - 420));
    // The heading names the box of offers, so that the screen is told by them.
    look::labelWith(heading, box);
    look::caption(this, QStringLiteral("Label3"), tr("Offers (Rs.)"), look::lightGrey,
                  look::rect(offerLeft, 600, offerWidth, lineHeight));

    group_->setExclusive(true);
    for (int i = 0; i < static_cast<int>(sponsors.size()); ++i) {
        options_[i] = sponsorOption(this, i);
        options_[i]->installEventFilter(this);
        group_->addButton(options_[i], i);
        offers_[i] = look::value(
            this, QStringLiteral("Label4_%1").arg(i),
            tr("Offer of %1").arg(captionOf(sponsors[i].name)), look::lightYellow,
            look::rect(offerLeft, firstOptionTop + i * optionStep, offerWidth, lineHeight));
    }
    addCommands(tr("OK"), tr("Cancel"), windowWidth, commandsTop);

    const SponsorshipOffers offers = sponsorshipOffers(career_.career());
    for (int i = static_cast<int>(sponsors.size()) - 1; i >= 0; --i) {
        options_[i]->setEnabled(offers.offered[i]);
    }
    for (int i = 0; i < static_cast<int>(sponsors.size()); ++i) {
        look::setValueText(offers_[i], shownMoney(offers.amounts[i]));
    }
    describeOffers(offers);
}

void SponsorsScreen::describeOffers(const SponsorshipOffers& offers) {
    // A screen reader hears each option with its offer, and, as the screen
    // opens, the offers that can be taken.
    QStringList offered;
    for (int i = 0; i < static_cast<int>(sponsors.size()); ++i) {
        //: What a screen reader says of a sponsor's option: %1 the offer in rupees.
        options_[i]->setAccessibleDescription(
            tr("Offer (Rs.): %1").arg(offers_[i]->accessibleName()));
        //: One offer in the list a screen reader hears as the screen opens:
        //: %1 the sponsor, %2 the offer in rupees.
        if (offers.offered[i])
            offered << tr("%1, %2 (Rs.)").arg(sponsors[i].name, offers_[i]->accessibleName());
    }
    setAccessibleDescription(
        offered.isEmpty()
            ? tr("No sponsor makes you an offer yet.")
            //: %Ln how many sponsors make an offer, %1 the list of them.
            : tr("%Ln sponsor(s) make you an offer: %1.", "", static_cast<int>(offered.size()))
                  .arg(offered.join(QStringLiteral("; "))));
}

bool SponsorsScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return ManagementDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto from = std::find(options_.begin(), options_.end(), watched);
    if (from == options_.end() || key->modifiers() != Qt::NoModifier) return false;
    int step = 0;
    if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Left) step = -1;
    if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Right) step = 1;
    if (step == 0) return false;
    // The next offer that can be chosen that way; at the last one the keys
    // stop.
    const int count = static_cast<int>(options_.size());
    for (int at = static_cast<int>(from - options_.begin()) + step; at >= 0 && at < count;
         at += step) {
        QRadioButton* next = options_[at];
        if (!next->isEnabled()) continue;
        next->setFocus(Qt::OtherFocusReason);
        next->setChecked(true);
        return true;
    }
    return true;
}

void SponsorsScreen::confirm() {
    const int chosen = group_->checkedId();
    if (chosen < 0) {
        accept();
        return;
    }
    const TakenSponsor taken =
        career_.update([chosen](CareerSession& session) { return session.takeSponsor(chosen); });
    accept();
    QWidget* behind = parentWidget() ? parentWidget() : this;
    SaveNotices::show(prompter_, behind, taken.save.saveFailure, taken.save.keptAside);
}
