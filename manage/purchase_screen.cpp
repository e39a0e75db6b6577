#include "manage/purchase_screen.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>

#include "core/numbers.h"
#include "ui/look.h"
#include "ui/titled_frame.h"

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
    label->setAlignment(Qt::AlignCenter);
    return label;
}

Outline* outline(QWidget* parent, const QString& objectName, int top, int height) {
    auto* box = new Outline(look::lightGrey, parent);
    box->setObjectName(objectName);
    box->setGeometry(look::rect(innerLeft, top, innerWidth, height));
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
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setFont(look::font(true));
    box->setGeometry(geometry);
    box->setAccessibleName(look::accessibleCaption(rowName) + QStringLiteral(" units"));
    box->setStyleSheet(
        QStringLiteral("QLineEdit { background: rgb(0, 0, 64); color: rgb(255, 0, 0);"
                       " border: 1px solid rgb(192, 192, 192); padding: 0 3px; }"));
    return box;
}

QScrollBar* makeUnitsScrollBar(QWidget* parent, const QString& objectName, const QString& rowName,
                               QRect geometry) {
    auto* bar = new QScrollBar(Qt::Vertical, parent);
    bar->setObjectName(objectName);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    // The units follow a finished change, not a thumb being dragged.
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setGeometry(geometry);
    bar->setAccessibleName(look::accessibleCaption(rowName));
    // The usual light scroll bar, whose arrows would not show on the navy window.
    bar->setPalette(bar->style()->standardPalette());
    return bar;
}

}  // namespace

PurchaseScreen::PurchaseScreen(const PurchaseCentre& centre, CareerRecord& record,
                               Prompter& prompter, QWidget* owner)
    : ManagementDialog(owner),
      record_(record),
      prompter_(prompter),
      purchase_(centre, record),
      rows_(centre.rows.size()) {
    setObjectName(centre.objectName);

    int top = buildRateCard(centre, 120);
    top = buildOrder(centre, top + 120);
    top = buildBalances(top + 180);
    const int commandsTop = top + 240;
    look::setUpWindow(this, centre.title, windowWidth, commandsTop + 375 + 150);
    addCommands(centre.okCaption, centre.cancelCaption, windowWidth, commandsTop);

    look::setValueText(bbbefore_, purchase_.balanceBeforeText());
    for (int row = 0; row < rowCount(); ++row) openRow(row);
}

int PurchaseScreen::buildRateCard(const PurchaseCentre& centre, int top) {
    heading(this, QStringLiteral("heading_rates"), centre.ratesHeading, top);
    const int cardTop = top + 300;
    const int titlesTop = cardTop + 120;
    const QString titles[] = {QStringLiteral("Particulars"), centre.unitsTitle,
                              QStringLiteral("Rate (Rs.)"), QStringLiteral("Amount (Rs.)")};
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
        const QString& name = centre.rows[row].name;
        const QString described = look::accessibleCaption(name) + QStringLiteral(", ");
        look::caption(this, QStringLiteral("name_%1").arg(row), name, look::lightGrey,
                      cell(0, rowTop));
        rows_[row].unitsOffered =
            look::value(this, QStringLiteral("Label3_%1").arg(row), described + centre.unitsTitle,
                        look::lightYellow, cell(1, rowTop));
        rows_[row].rate = look::value(this, QStringLiteral("Label4_%1").arg(row),
                                      described + titles[2], look::lightYellow, cell(2, rowTop));
        rows_[row].amount = look::value(this, QStringLiteral("Label5_%1").arg(row),
                                        described + titles[3], look::lightYellow, cell(3, rowTop));
    }
    const int cardBottom = rowTop + lineHeight + 120;
    outline(this, QStringLiteral("Shape1"), cardTop, cardBottom - cardTop);
    return cardBottom;
}

int PurchaseScreen::buildOrder(const PurchaseCentre& centre, int top) {
    heading(this, QStringLiteral("heading_order"), centre.orderHeading, top);
    const int boxTop = top + 300;
    const int lines = (rowCount() + 1) / 2;
    int lineTop = boxTop + 150;
    for (int row = 0; row < rowCount(); ++row) {
        if (row > 0 && row % 2 == 0) lineTop += orderLineStep;
        const int left = orderColumns[row % 2];
        const QString& name = centre.rows[row].name;
        RowWidgets& widgets = rows_[row];

        auto* cue = new Outline(look::lightYellow, this);
        cue->setObjectName(QStringLiteral("focusCue_%1").arg(row));
        cue->setGeometry(look::rect(left + orderNameWidth - 45, lineTop - 45,
                                    unitsBoxWidth + scrollBarWidth + 90, unitsBoxHeight + 90));
        cue->hide();
        widgets.focusCue = cue;

        look::caption(this, QStringLiteral("unitsName_%1").arg(row), name, look::lightGrey,
                      look::rect(left, lineTop, orderNameWidth, unitsBoxHeight));
        widgets.box =
            makeUnitsBox(this, QStringLiteral("Text1_%1").arg(row), name,
                         look::rect(left + orderNameWidth, lineTop, unitsBoxWidth, unitsBoxHeight));
        widgets.bar = makeUnitsScrollBar(this, QStringLiteral("VScroll1_%1").arg(row), name,
                                         look::rect(left + orderNameWidth + unitsBoxWidth, lineTop,
                                                    scrollBarWidth, unitsBoxHeight));
        widgets.bar->installEventFilter(this);

        connect(widgets.bar, &QScrollBar::valueChanged, widgets.box,
                [box = widgets.box](int value) { box->setText(QString::number(-value)); });
        connect(widgets.box, &QLineEdit::textChanged, this, [this, row] { unitsChanged(row); });
    }
    const int boxBottom = boxTop + 150 + (lines - 1) * orderLineStep + unitsBoxHeight + 150;
    outline(this, QStringLiteral("orderOutline"), boxTop, boxBottom - boxTop);
    return boxBottom;
}

int PurchaseScreen::buildBalances(int top) {
    const QString before = QStringLiteral("Balance before purchase (Rs.):");
    const QString after = QStringLiteral("Balance after purchase (Rs.):");
    const int captionLeft = orderColumns[0];
    const int captionWidth = orderColumns[1] - captionLeft;
    look::caption(this, QStringLiteral("caption_bbbefore"), before, look::lightGrey,
                  look::rect(captionLeft, top, captionWidth, lineHeight));
    bbbefore_ = look::value(this, QStringLiteral("bbbefore"), before, look::lightYellow,
                            look::rect(orderColumns[1], top, 1815, lineHeight));
    const int afterTop = top + 300;
    look::caption(this, QStringLiteral("caption_bbafter"), after, look::lightGrey,
                  look::rect(captionLeft, afterTop, captionWidth, lineHeight));
    bbafter_ = look::value(this, QStringLiteral("bbafter"), after, look::lightYellow,
                           look::rect(orderColumns[1], afterTop, 1815, lineHeight));
    return afterTop + lineHeight;
}

void PurchaseScreen::openRow(int row) {
    const PurchaseRow& data = purchase_.rows().at(row);
    RowWidgets& widgets = rows_.at(row);
    look::setValueText(widgets.unitsOffered, QString::number(data.unitsOffered));
    look::setValueText(widgets.rate, QString::number(data.rate));
    look::setValueText(widgets.amount, QString::number(data.amount()));
    // Qt keeps a vertical scroll bar's minimum at the top and its up arrow
    // lowers the value; holding minus the units puts every offered unit at
    // the top and lets the up arrow add one.
    widgets.bar->setRange(-data.unitsOffered, 0);
    widgets.bar->setValue(-data.unitsOffered);
    widgets.box->setText(QString::number(data.unitsOffered));
}

void PurchaseScreen::unitsChanged(int row) {
    purchase_.setUnitsChosen(row, numbers::toInt16(rows_.at(row).box->text()));
    look::setValueText(bbafter_, numbers::text(purchase_.balanceAfter()));
}

void PurchaseScreen::CheckData() {
    if (::CheckData(purchase_, record_, prompter_)) accept();
}

bool PurchaseScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        for (RowWidgets& widgets : rows_) {
            if (widgets.bar == watched)
                widgets.focusCue->setVisible(event->type() == QEvent::FocusIn);
        }
    }
    return ManagementDialog::eventFilter(watched, event);
}
