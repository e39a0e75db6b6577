#include "ui/command_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "ui/look.h"

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    setText(caption);
    setAccessibleName(look::accessibleCaption(caption));
    setFocusPolicy(Qt::StrongFocus);
    setFont(look::font(false));
}

QColor CommandButton::fillColour() const {
    return (mouseHeld_ || isDown()) ? look::red : look::silver;
}

QSize CommandButton::sizeHint() const {
    return QSize(look::px(1095), look::px(375));
}

void CommandButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.setPen(look::black);
    painter.setBrush(fillColour());
    painter.drawRect(frame);
    painter.setPen(look::black);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(3, 3, -3, -3);
        option.backgroundColor = fillColour();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void CommandButton::mousePressEvent(QMouseEvent* event) {
    mouseHeld_ = true;
    update();
    QAbstractButton::mousePressEvent(event);
}

void CommandButton::mouseReleaseEvent(QMouseEvent* event) {
    mouseHeld_ = false;
    update();
    QAbstractButton::mouseReleaseEvent(event);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
