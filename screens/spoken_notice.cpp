// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/spoken_notice.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "screens/look.h"

namespace {

QAccessibleInterface* notificationFor(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (dynamic_cast<SpokenNotice*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

}  // namespace

SpokenNotice::SpokenNotice(QWidget* parent) : QWidget(parent) {
    static const bool told = [] {
        QAccessible::installFactory(&notificationFor);
        return true;
    }();
    (void)told;
    setObjectName(QStringLiteral("spokenNotice"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // At the window's start, mirrored with it right to left.
    look::place(this, QRect());
    hide();
}

void SpokenNotice::say(const QString& sentence) {
    if (sentence.isEmpty()) return;
    // A screen reader speaks a notification as it comes into sight: hidden
    // and shown again, the same widget tells each sentence in turn.
    hide();
    setAccessibleName(sentence);
    show();
}
