#pragma once

#include <QAbstractButton>
#include <QIcon>

// A picture that works as a button: it takes focus, answers Space and Enter,
// shows a pointing hand under the mouse, and draws a single-line border while
// it is held down, whichever mouse button holds it.
class PictureButton : public QAbstractButton {
    Q_OBJECT
  public:
    PictureButton(const QIcon& picture, QWidget* parent);

    bool borderShown() const { return mouseHeld_ || isDown(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QIcon picture_;
    bool mouseHeld_ = false;
};
