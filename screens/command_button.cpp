// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/command_button.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QStringList>

#include "screens/crisp_frame.h"
#include "screens/focus_frame.h"
#include "screens/look.h"

CommandAction::CommandAction(const QString& caption, CommandButton& button)
    : QAction(caption, &button), button_(button) {
    // Keys work in every window the action is added to, this button's first.
    button.addAction(this);
    connect(&button, &QAbstractButton::clicked, this, &QAction::trigger);
    connect(this, &QAction::enabledChanged, &button, &QWidget::setEnabled);
    connect(this, &QAction::changed, &button, [this] { button_.setToolTip(toolTip()); });
}

bool CommandAction::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut && QApplication::activeWindow() == button_.window()) {
        // A button hidden or greyed in its window gives nothing there.
        if (button_.isVisible() && button_.isEnabled()) button_.animateClick();
        return true;
    }
    return QAction::event(event);
}

CommandButton::CommandButton(const QString& caption, QWidget* parent)
    : HeldButton(parent), action_(new CommandAction(caption, *this)) {
    setText(caption);
    setAccessibleName(look::accessibleCaption(caption));
    setFont(look::font(false));
}

void CommandButton::setShortcuts(const QList<QKeySequence>& keys) {
    if (keys.isEmpty()) return;
    action_->setShortcuts(keys);
    QStringList names;
    for (const QKeySequence& key : keys) names << key.toString(QKeySequence::NativeText);
    //: A command's tooltip: %1 is the command's name ("Play"), %2 its
    //: keyboard shortcuts ("Ctrl+P, F5").
    action_->setToolTip(tr("%1 (%2)").arg(accessibleName(),
                                          //: Between two keyboard shortcuts of one command.
                                          names.join(tr(", "))));
}

QColor CommandButton::fillColour() const {
    return held() ? look::red : look::silver;
}

QSize CommandButton::sizeHint() const {
    return QSize(look::px(1095), look::px(375));
}

void CommandButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), fillColour());
    drawCrispFrame(painter, rect(), look::black);
    painter.setPen(look::black);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) drawFocusFrame(painter, rect().adjusted(3, 3, -3, -3), FocusGround::plain);
}
