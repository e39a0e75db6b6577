// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>

#include "screens/held_button.h"

// A picture that works as a button: it takes focus, answers Space and Enter,
// shows a pointing hand under the mouse, and draws a single-line border while
// it is held down, whichever mouse button holds it. The picture is one of the
// game's own, decoded when first painted, for the density of the screen it is
// painted on.
class PictureButton : public HeldButton {
    Q_OBJECT
  public:
    PictureButton(const QString& pictureName, QWidget* parent);

    bool borderShown() const { return held(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QString pictureName_;
    QPixmap picture_;
    qreal pictureDensity_ = 0;  // none decoded yet
};
