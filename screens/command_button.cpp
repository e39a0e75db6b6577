// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/command_button.h"

#include <QPainter>
#include <QShortcut>
#include <QStringList>

#include "screens/crisp_frame.h"
#include "screens/focus_frame.h"
#include "screens/look.h"

CommandButton::CommandButton(const QString& caption, QWidget* parent) : HeldButton(parent) {
    setText(caption);
    setAccessibleName(look::accessibleCaption(caption));
    setFont(look::font(false));
}

void CommandButton::setShortcuts(const QList<QKeySequence>& keys) {
    if (keys.isEmpty()) return;
    keys_ = keys;
    setShortcut(keys.first());
    QStringList names{keys.first().toString(QKeySequence::NativeText)};
    for (qsizetype i = 1; i < keys.size(); ++i) {
        auto* extra = new QShortcut(keys.at(i), this);
        // As the button's own shortcut does: focus it, then show the press.
        connect(extra, &QShortcut::activated, this, [this] {
            setFocus(Qt::ShortcutFocusReason);
            animateClick();
        });
        names << keys.at(i).toString(QKeySequence::NativeText);
    }
    //: A command's tooltip: %1 is the command's name ("Play"), %2 its
    //: keyboard shortcuts ("Ctrl+P, F5").
    setToolTip(tr("%1 (%2)").arg(accessibleName(),
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
