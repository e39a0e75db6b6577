// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

// A frame with a thin grey border and its title in green over the top edge.
// A screen reader meets it as a grouping named by its title.
class TitledFrame : public QWidget {
  public:
    TitledFrame(const QString& title, QWidget* parent);

    QString title() const { return title_; }
    void setTitle(const QString& title);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString title_;
};

// A plain outline rectangle (the light-grey boxes around tables). A screen
// reader meets it as a grouping, named by the heading that labels it.
class Outline : public QWidget {
  public:
    Outline(const QColor& colour, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_;
};
