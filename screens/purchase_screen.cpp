// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/purchase_screen.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <utility>

#include "game/career.h"
#include "game/money.h"
#include "game/shown_numbers.h"
#include "screens/career_in_play.h"
#include "screens/look.h"
#include "screens/prompter.h"
#include "screens/save_notices.h"
#include "screens/spoken_notice.h"
#include "screens/titled_frame.h"
#include "screens/units_scroll_bar.h"
#include "session/career_session.h"

namespace {

constexpr int windowWidth = 6615;
constexpr int innerLeft = 120;
constexpr int innerWidth = windowWidth - 2 * innerLeft;
constexpr int lineHeight = 255;

// Rate card columns: name, units offered, rate, amount.
constexpr int cardColumns[] = {240, 1920, 3600, 5040};
constexpr int cardColumnWidths[] = {1575, 1575, 1335, 1335};
constexpr int cardRowStep = 270;

// The order: two rows to a line, each a name, a units box and its scroll bar.
constexpr int orderColumns[] = {540, 3525};
constexpr int orderNameWidth = 1215;
constexpr int unitsBoxWidth = 1095;
constexpr int scrollBarWidth = 255;
constexpr int unitsBoxHeight = 315;
constexpr int orderLineStep = 450;

QLabel* heading(QWidget* parent, const QString& objectName, const QString& text, int top) {
    QLabel* label = look::caption(parent, objectName, text, look::green,
                                  look::rect(innerLeft, top, innerWidth, lineHeight));
    look::align(label, Qt::AlignCenter);
    return label;
}

Outline* outline(QWidget* parent, const QString& objectName, int top, int height) {
    auto* box = new Outline(look::lightGrey, parent);
    box->setObjectName(objectName);
    look::place(box, look::rect(innerLeft, top, innerWidth, height));
    return box;
}

QLineEdit* makeUnitsBox(QWidget* parent, const QString& objectName, const QString& rowName,
                        QRect geometry) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setReadOnly(true);
    // Only the scroll bar beside it changes the units, so the box takes no focus.
    box->setFocusPolicy(Qt::NoFocus);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setCursor(Qt::ArrowCursor);
    box->setAlignment(look::visualAlignment(box, Qt::AlignRight | Qt::AlignVCenter));
    box->setFont(look::font(true));
    look::place(box, geometry);
    //: A screen reader's name for the box of units chosen; %1 is the row's
    //: name ("Batting", "Bat", "Fitness").
    box->setAccessibleName(QCoreApplication::translate("PurchaseScreen", "%1 units")
                               .arg(look::accessibleCaption(rowName)));
    box->setStyleSheet(look::fieldStyle(look::red, 3, false));
    return box;
}

// The most units the balance pays for, the cheapest first.
int unitsPayable(std::vector<PurchaseRow> rows, double balance) {
    std::sort(rows.begin(), rows.end(),
              [](const PurchaseRow& a, const PurchaseRow& b) { return a.rate < b.rate; });
    double left = std::floor(balance);
    int units = 0;
    for (const PurchaseRow& row : rows) {
        if (row.rate <= 0 || left < row.rate) continue;
        const int taken =
            static_cast<int>(std::min<double>(row.unitsOffered, std::floor(left / row.rate)));
        units += taken;
        left -= static_cast<double>(taken) * row.rate;
    }
    return units;
}

const PurchaseCentre& centreOf(PurchaseScreen::Centre centre) {
    switch (centre) {
        case PurchaseScreen::training:
            return purchase_centres::training();
        case PurchaseScreen::store:
            return purchase_centres::store();
        case PurchaseScreen::health:
            return purchase_centres::health();
    }
    return purchase_centres::training();
}

}  // namespace

// What one centre's screen says.
struct PurchaseScreen::Texts {
    QString objectName;
    QString title;
    QString ratesHeading;
    QString orderHeading;
    QString unitsTitle;
    QString okCaption;
    QString cancelCaption;
    std::vector<QString> rowNames;
};

PurchaseScreen::Texts PurchaseScreen::textsOf(Centre centre) {
    switch (centre) {
        case training:
            return {QStringLiteral("Training"),
                    tr("Bailcrest: Training Centre"),
                    tr("TRAINING CENTRE RATES"),
                    tr("UNITS YOU INTEND TO DEVELOP"),
                    tr("Available Units"),
                    tr("&OK"),
                    tr("&Cancel"),
                    {tr("Batting:"), tr("Bowling:"), tr("Fielding:")}};
        case store:
            return {QStringLiteral("Store"),
                    tr("Bailcrest: Cricket Store"),
                    tr("CRICKET GEAR STORE"),
                    tr("UNITS YOU INTEND TO BUY"),
                    tr("Required Units"),
                    tr("&OK"),
                    tr("&Cancel"),
                    {tr("Bat:"), tr("Gloves:"), tr("Pads:"), tr("Others:")}};
        case health:
            return {QStringLiteral("Health"),
                    tr("Bailcrest: Health Care"),
                    tr("HEALTH CARE CENTRE"),
                    tr("UNITS YOU INTEND TO BUY"),
                    tr("Required Units"),
                    tr("&OK"),
                    tr("&Cancel"),
                    {tr("Fitness:"), tr("Health:"), tr("Stamina:")}};
    }
    return {};
}

PurchaseScreen::PurchaseScreen(Centre centre, CareerInPlay& career, Prompter& prompter,
                               QWidget* owner)
    : ManagementDialog(owner),
      career_(career),
      prompter_(prompter),
      purchase_(centreOf(centre), career.career()),
      rows_(purchase_.rows().size()) {
    const Texts texts = textsOf(centre);
    setObjectName(texts.objectName);
    rowNames_ = texts.rowNames;
    movesNotice_ = new SpokenNotice(this);

    int top = buildRateCard(texts, 120);
    top = buildOrder(texts, top + 120);
    top = buildBalances(top + 180);
    const int commandsTop = top + 240;
    look::setUpWindow(this, texts.title, windowWidth, commandsTop + 375 + 150);
    addCommands(texts.okCaption, texts.cancelCaption, windowWidth, commandsTop);

    look::setValueText(balanceBeforeLabel_, shownMoney(purchase_.balanceBefore()));
    for (int row = 0; row < rowCount(); ++row) openRow(row);
    // Told once, as the screen opens; each move tells its own change.
    describe();
}

int PurchaseScreen::buildRateCard(const Texts& texts, int top) {
    QLabel* title = heading(this, QStringLiteral("heading_rates"), texts.ratesHeading, top);
    const int cardTop = top + 300;
    const int titlesTop = cardTop + 120;
    const QString titles[] = {tr("Particulars"), texts.unitsTitle, tr("Rate (Rs.)"),
                              tr("Amount (Rs.)")};
    for (int column = 0; column < 4; ++column) {
        look::caption(
            this, QStringLiteral("title_%1").arg(column), titles[column], look::lightGrey,
            look::rect(cardColumns[column], titlesTop, cardColumnWidths[column], lineHeight));
    }
    const auto cell = [](int column, int rowTop) {
        return look::rect(cardColumns[column], rowTop, cardColumnWidths[column], lineHeight);
    };
    int rowTop = titlesTop;
    for (int row = 0; row < rowCount(); ++row) {
        rowTop += cardRowStep + (row == 0 ? 30 : 0);
        const QString& name = texts.rowNames.at(row);
        const auto described = [&name](const QString& column) {
            //: What a screen reader says a rate-card figure is: %1 is the row
            //: ("Batting"), %2 the column ("Rate (Rs.)").
            return tr("%1, %2").arg(look::accessibleCaption(name), column);
        };
        look::caption(this, QStringLiteral("name_%1").arg(row), name, look::lightGrey,
                      cell(0, rowTop));
        rows_[row].unitsOffered =
            look::value(this, QStringLiteral("Label3_%1").arg(row), described(texts.unitsTitle),
                        look::lightYellow, cell(1, rowTop));
        rows_[row].rate = look::value(this, QStringLiteral("Label4_%1").arg(row),
                                      described(titles[2]), look::lightYellow, cell(2, rowTop));
        rows_[row].amount = look::value(this, QStringLiteral("Label5_%1").arg(row),
                                        described(titles[3]), look::lightYellow, cell(3, rowTop));
    }
    const int cardBottom = rowTop + lineHeight + 120;
    look::labelWith(title, outline(this, QStringLiteral("Shape1"), cardTop, cardBottom - cardTop));
    return cardBottom;
}

int PurchaseScreen::buildOrder(const Texts& texts, int top) {
    QLabel* title = heading(this, QStringLiteral("heading_order"), texts.orderHeading, top);
    const int boxTop = top + 300;
    const int lines = (rowCount() + 1) / 2;
    int lineTop = boxTop + 150;
    for (int row = 0; row < rowCount(); ++row) {
        if (row > 0 && row % 2 == 0) lineTop += orderLineStep;
        const int left = orderColumns[row % 2];
        const QString& name = texts.rowNames.at(row);
        RowWidgets& widgets = rows_[row];

        auto* cue = new Outline(look::lightYellow, this);
        cue->setObjectName(QStringLiteral("focusCue_%1").arg(row));
        look::place(cue, look::rect(left + orderNameWidth - 45, lineTop - 45,
                                    unitsBoxWidth + scrollBarWidth + 90, unitsBoxHeight + 90));
        cue->hide();
        widgets.focusCue = cue;

        QLabel* caption =
            look::caption(this, QStringLiteral("unitsName_%1").arg(row), name, look::lightGrey,
                          look::rect(left, lineTop, orderNameWidth, unitsBoxHeight));
        widgets.box =
            makeUnitsBox(this, QStringLiteral("Text1_%1").arg(row), name,
                         look::rect(left + orderNameWidth, lineTop, unitsBoxWidth, unitsBoxHeight));
        widgets.bar = new UnitsScrollBar(this);
        widgets.bar->setObjectName(QStringLiteral("VScroll1_%1").arg(row));
        look::place(widgets.bar, look::rect(left + orderNameWidth + unitsBoxWidth, lineTop,
                                            scrollBarWidth, unitsBoxHeight));
        widgets.bar->setAccessibleName(look::accessibleCaption(name));
        look::labelWith(caption, widgets.bar);
        widgets.bar->installEventFilter(this);
        // A click on the units is a click on the row: its bar takes the keys.
        widgets.box->installEventFilter(this);
        connect(widgets.bar, &QScrollBar::valueChanged, this, [this, row] { unitsChanged(row); });
    }
    const int boxBottom = boxTop + 150 + (lines - 1) * orderLineStep + unitsBoxHeight + 150;
    look::labelWith(title,
                    outline(this, QStringLiteral("orderOutline"), boxTop, boxBottom - boxTop));
    return boxBottom;
}

int PurchaseScreen::buildBalances(int top) {
    const QString before = tr("Balance before purchase (Rs.):");
    const QString after = tr("Balance after purchase (Rs.):");
    const int captionLeft = orderColumns[0];
    const int captionWidth = orderColumns[1] - captionLeft;
    QLabel* beforeCaption =
        look::caption(this, QStringLiteral("caption_bbbefore"), before, look::lightGrey,
                      look::rect(captionLeft, top, captionWidth, lineHeight));
    balanceBeforeLabel_ = look::value(this, QStringLiteral("bbbefore"), before, look::lightYellow,
                                      look::rect(orderColumns[1], top, 1815, lineHeight));
    look::labelWith(beforeCaption, balanceBeforeLabel_);
    const int afterTop = top + 300;
    QLabel* afterCaption =
        look::caption(this, QStringLiteral("caption_bbafter"), after, look::lightGrey,
                      look::rect(captionLeft, afterTop, captionWidth, lineHeight));
    balanceAfterLabel_ = look::value(this, QStringLiteral("bbafter"), after, look::lightYellow,
                                     look::rect(orderColumns[1], afterTop, 1815, lineHeight));
    look::labelWith(afterCaption, balanceAfterLabel_);
    if (purchase_.affordable()) return afterTop + lineHeight;
    // The screen opens proposing every unit on offer, which the balance
    // cannot pay here: the player learns how far it goes before OK refuses.
    const int payableTop = afterTop + 300;
    //: Below the balance after purchase, when the units proposed at opening
    //: cost more than the balance.
    const QString payable =
        tr("The most units the balance pays for: %1.")
            .arg(shownNumber(unitsPayable(purchase_.rows(), purchase_.balanceBefore())));
    payableLabel_ =
        look::caption(this, QStringLiteral("payableUnits"), payable, look::lightYellow,
                      look::rect(captionLeft, payableTop, innerWidth - captionLeft, lineHeight));
    return payableTop + lineHeight;
}

void PurchaseScreen::openRow(int row) {
    const PurchaseRow& offer = purchase_.rows().at(row);
    RowWidgets& widgets = rows_.at(row);
    look::setValueText(widgets.unitsOffered, shownNumber(offer.unitsOffered));
    look::setValueText(widgets.rate, shownMoney(offer.rate));
    look::setValueText(widgets.amount, shownMoney(offer.amount()));
    widgets.bar->offer(offer.unitsOffered);
    unitsChanged(row);
}

void PurchaseScreen::unitsChanged(int row) {
    const int units = rows_.at(row).bar->value();
    rows_.at(row).box->setText(shownNumber(units));
    purchase_.setUnitsChosen(row, units);
    look::setValueText(balanceAfterLabel_, shownMoney(purchase_.balanceAfter()));
    // What a move of the bar is heard to do: with the bar as a screen reader
    // reads it when it takes the focus, and told as it moves.
    //: What a screen reader says as a units bar moves: %Ln the units chosen,
    //: %1 the caption "Balance after purchase (Rs.)", %2 that balance.
    rows_.at(row).bar->setAccessibleDescription(
        tr("%Ln unit(s); %1: %2", "", units)
            .arg(look::accessibleCaption(tr("Balance after purchase (Rs.):")),
                 shownMoney(purchase_.balanceAfter())));
    if (rows_.at(row).bar->hasFocus()) {
        // The screen reader speaks a notification with the window it is in,
        // and the window with its description: the offer, told as the screen
        // opened, is not told again at every move.
        setAccessibleDescription(QString());
        movesNotice_->say(rows_.at(row).bar->accessibleDescription());
    }
}

void PurchaseScreen::describe() {
    // What the screen is for, as a screen reader tells it when it opens: each
    // row's offer and the balances before and after.
    QStringList parts;
    for (int row = 0; row < rowCount(); ++row) {
        const PurchaseRow& offer = purchase_.rows().at(row);
        //: What a screen reader hears of a rate-card row as the screen opens:
        //: %1 the row ("Batting"), %Ln the units offered, %2 the rate and %3
        //: the amount, both in rupees.
        parts << tr("%1: %Ln unit(s) at %2 (Rs.) each, %3 (Rs.) in all.", "", offer.unitsOffered)
                     .arg(look::accessibleCaption(rowNames_.at(row)), shownMoney(offer.rate),
                          shownMoney(offer.amount()));
    }
    for (const auto& [caption, label] :
         {std::pair{tr("Balance before purchase (Rs.):"), balanceBeforeLabel_},
          std::pair{tr("Balance after purchase (Rs.):"), balanceAfterLabel_}}) {
        //: A caption and its value, as a screen reader reads them together.
        parts << tr("%1: %2.").arg(look::accessibleCaption(caption), label->accessibleName());
    }
    setAccessibleDescription(parts.join(QLatin1Char(' ')));
}

void PurchaseScreen::confirm() {
    const ConfirmedPurchase confirmed = career_.update(
        [this](CareerSession& session) { return session.confirmPurchase(purchase_); });
    if (confirmed.outcome == PurchaseOutcome::shortOfMoney) {
        prompter_.notice(this, tr("You don't have enough money to buy the units."));
        return;
    }
    accept();
    QWidget* behind = parentWidget() ? parentWidget() : this;
    SaveNotices::show(prompter_, behind, confirmed.save.saveFailure, confirmed.save.keptAside);
}

bool PurchaseScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (RowWidgets& widgets : rows_) {
            if (widgets.box == watched) widgets.bar->setFocus(Qt::MouseFocusReason);
        }
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        for (RowWidgets& widgets : rows_) {
            if (widgets.bar == watched)
                widgets.focusCue->setVisible(event->type() == QEvent::FocusIn);
        }
    }
    return ManagementDialog::eventFilter(watched, event);
}
