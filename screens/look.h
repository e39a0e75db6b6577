// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// The game's look: geometry in twips at 15 twips a logical pixel, its colours
// and its fonts.
namespace look {

constexpr int twipsPerPixel = 15;

constexpr int px(int twips) {
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}
inline QRect rect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

inline const QColor navy{0, 0, 64};
inline const QColor green{0, 255, 0};
inline const QColor silver{192, 192, 192};
inline const QColor lightGrey{224, 224, 224};
inline const QColor lightYellow{255, 255, 128};
inline const QColor red{255, 0, 0};
inline const QColor darkRed{192, 0, 0};
inline const QColor blue{0, 0, 255};
inline const QColor black{0, 0, 0};
// The lines of a chart beside the colours above, and its grid.
inline const QColor lightBlue{128, 192, 255};
inline const QColor orange{255, 160, 64};
inline const QColor chartGrid{40, 40, 120};

// Verdana 8.25 point is 11 pixels at the 96 dots an inch the twip geometry
// assumes; other sans faces stand in where Verdana is not installed. A
// translation whose script reads small at the design's size draws its text
// textSizeStep() pixels larger.
QFont font(bool bold = true, int pixelSize = 11);
int textSizeStep();

// A top-level window of fixed client size with the navy background.
void setUpWindow(QWidget* window, const QString& title, int widthTwips, int heightTwips);

// A top-level window with the navy background that the player may resize,
// opening at the given size.
void setUpResizableWindow(QWidget* window, const QString& title, int widthTwips, int heightTwips);

void setTextColour(QWidget* widget, const QColor& colour);

// The look for a view the style draws (a table, a list, tabs, a choice):
// light-yellow text on navy, rows in two shades of it, silver headings and
// tabs, a blue selection.
void darken(QWidget* widget);

// A caption label: fixed text, no accessible value of its own beyond the text.
QLabel* caption(QWidget* parent, const QString& objectName, const QString& text,
                const QColor& colour, QRect geometry);

// A caption whose text is wider than its fixed place (a translation may run
// longer than English) shows as much as fits, with an ellipsis, and keeps the
// whole text as its tooltip and screen-reader name. caption() does this; a
// caller that changes the label's font, indent or size afterwards calls it
// again.
void fitCaption(QLabel* label);
// The property that holds the whole text of a caption shown elided.
inline constexpr const char* fullTextProperty = "bailcrestFullText";

// A value label: its text is its accessible name; the caption it belongs to,
// without the colon, is its accessible description ("45", "Batting").
QLabel* value(QWidget* parent, const QString& objectName, const QString& captionText,
              const QColor& colour, QRect geometry, Qt::Alignment alignment = Qt::AlignLeft);

// Shows a value in its label. A text too wide for the label is cut short with
// "…", and then the whole of it is the label's tooltip; the accessible name
// is always the whole text.
void setValueText(QLabel* label, const QString& text);

// The caption without access-key marks and without a trailing colon.
QString accessibleCaption(const QString& captionText);

}  // namespace look
