// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/spoken_notice.h"

#include <QAccessible>
#include <QAccessibleWidget>

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
    setGeometry(0, 0, 0, 0);
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
