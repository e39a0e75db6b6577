#pragma once

#include <QAbstractButton>
#include <QColor>

// A command of the game: its caption centred on a silver rectangle that turns
// red while a mouse button is held on it and silver again on release, wherever
// the pointer then is. It is a real button: it takes focus, answers Space and
// Enter, and carries its caption (without "&") as its accessible name.
class CommandButton : public QAbstractButton {
    Q_OBJECT
  public:
    CommandButton(const QString& caption, QWidget* parent);

    QColor fillColour() const;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool mouseHeld_ = false;
};
