// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/match_link.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

#include "screens/focus_frame.h"
#include "screens/look.h"

namespace {

// Room beside and above the text for the focus mark.
constexpr int markRoom = 2;
constexpr int markRoomAbove = 1;

}  // namespace

MatchLink::MatchLink(QWidget* parent) : QAbstractButton(parent) {
    setFont(look::font(true));
    look::setTextColour(this, look::lightYellow);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (match_ > 0) emit matchChosen(match_);
    });
}

void MatchLink::showFigure(const QString& text, int match, const QString& leadsTo) {
    match_ = match;
    setText(text);
    setAccessibleName(text);
    setAccessibleDescription(leadsTo);
    // Only a figure that leads somewhere is a stop of the keyboard's.
    setFocusPolicy(match > 0 ? Qt::StrongFocus : Qt::NoFocus);
    if (match > 0) {
        setCursor(Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
    updateGeometry();
    showWholeTextInToolTip();
    update();
}

QSize MatchLink::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 2 * markRoom, metrics.height() + 2 * markRoomAbove};
}

QSize MatchLink::minimumSizeHint() const {
    return sizeHint();
}

void MatchLink::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QFont shown = font();
    shown.setUnderline(match_ > 0);
    painter.setFont(shown);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setLayoutDirection(layoutDirection());
    const QRect room = rect().adjusted(markRoom, 0, -markRoom, 0);
    const QString fitted = QFontMetrics(shown).elidedText(text(), Qt::ElideRight, room.width());
    const int flags = static_cast<int>(QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft) |
                                       Qt::AlignVCenter);
    QRect drawn;
    painter.drawText(room, flags, fitted, &drawn);
    // Around the figure, as the game marks its other controls, not the
    // whole width its column gives it.
    if (hasFocus()) {
        drawFocusFrame(painter,
                       drawn.adjusted(-markRoom, -markRoomAbove, markRoom, markRoomAbove) & rect());
    }
}

void MatchLink::keyPressEvent(QKeyEvent* event) {
    // Enter presses it too, rather than the window's default command.
    if (match_ > 0 && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void MatchLink::resizeEvent(QResizeEvent* event) {
    QAbstractButton::resizeEvent(event);
    showWholeTextInToolTip();
}

void MatchLink::showWholeTextInToolTip() {
    const bool cut = QFontMetrics(font()).horizontalAdvance(text()) > width() - 2 * markRoom;
    setToolTip(cut ? text() : QString());
}
