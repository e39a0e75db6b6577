// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

// What a window tells a screen reader without moving the keyboard focus: a
// notification that takes no room and no focus, whose sentence the screen
// reader speaks each time it appears. Nothing of it is drawn.
class SpokenNotice : public QWidget {
  public:
    explicit SpokenNotice(QWidget* parent);

    // Speaks the sentence once; an empty one is not spoken.
    void say(const QString& sentence);
    QString sentence() const { return accessibleName(); }
};
