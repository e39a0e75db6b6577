// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// The game's look: geometry in twips at 15 twips a logical pixel, its colours
// and its fonts. In a right-to-left language (the layout direction Qt takes
// from the translation) every screen is the mirror image of the English one.
namespace look {

constexpr int twipsPerPixel = 15;

constexpr int px(int twips) {
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}
inline QRect rect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

// Puts a widget at its place in its parent, given from the parent's left edge
// as the design draws it (rect()). Right to left, the place is mirrored: as
// far from the parent's right edge, and kept so when the parent is resized.
void place(QWidget* widget, QRect fromLeft);

// The alignment to give a widget's text, Left and Right meaning the start and
// the end of a line in the language's direction: right to left they swap,
// whatever the direction of the text itself (a number in an Urdu screen
// stands at the right, as a word would).
Qt::Alignment visualAlignment(const QWidget* widget, Qt::Alignment alignment);
void align(QLabel* label, Qt::Alignment alignment);

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

// The font for a column of figures: of the font's families, the one with the
// shortest line that writes the locale's digits and decimal point. In
// Urdu, whose digits are Latin, that is the Latin face: Noto Naskh Arabic
// draws a decimal point that reads as a comma ("63,20") at these sizes, and
// asks for a line so tall that Qt Charts cuts a short chart's axis figures
// to "…".
QFont figuresFont(const QFont& font);

// Which font families are installed is known only once Qt has read them all,
// the costliest step of a program's first text; until then font() asks for
// Verdana whether it is there or not. settleFonts() reads them, once, and
// gives the fonts of the window and its widgets the families that font()
// gives from then on. The first window calls it once it is shown, before
// its first paint.
void settleFonts(QWidget* window);

// Gives what the screens do not set a font for themselves (message boxes,
// tooltips, the Load dialog) the families font() gives, at the desktop's
// size: left to the desktop's sans face, Urdu's ہ and ے would come from
// whatever font Fontconfig finds, not the language's own. Called once the
// translation is installed; settleFonts() calls it again.
void useLanguageFonts();

// A top-level window of fixed client size with the navy background.
void setUpWindow(QWidget* window, const QString& title, int widthTwips, int heightTwips);

// A top-level window with the navy background that the player may resize,
// opening at the given size.
void setUpResizableWindow(QWidget* window, const QString& title, int widthTwips, int heightTwips);

void setTextColour(QWidget* widget, const QColor& colour);

// The style sheet of a text field in the game's look: navy, its text in the
// colour given, and a thin silver edge that shows where it lies on a navy
// frame; with focusMarked, the edge turns light yellow while the field has
// the keyboard focus.
QString fieldStyle(const QColor& text, int paddingPixels, bool focusMarked);

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

// Measuring a caption needs the fonts: the font list read, the faces loaded,
// the text shaped, some ten milliseconds before a program's first text. A
// window that is to appear the moment it can holds the fitting of its
// captions until it is up: from holdCaptionFitting(), fitCaption() only notes
// a caption of the window, and fitHeldCaptions(), called once the window is
// shown and before its first paint, fits them all, so that the window is
// mapped first and painted with every caption fitted, as Qt's own labels lay
// out their text only when they first paint it.
void holdCaptionFitting(QWidget* window);
void fitHeldCaptions(QWidget* window);

// A value label: its text is its accessible name; the caption it belongs to,
// without the colon, is its accessible description ("45", "Batting").
QLabel* value(QWidget* parent, const QString& objectName, const QString& captionText,
              const QColor& colour, QRect geometry, Qt::Alignment alignment = Qt::AlignLeft);

// Shows a value in its label. A text too wide for the label is cut short with
// "…", and then the whole of it is the label's tooltip; the accessible name
// is always the whole text.
void setValueText(QLabel* label, const QString& text);

// Two labels whose places overlap, one line above the other, keep at least
// `gap` pixels between their letters: where the upper line's letters would
// come closer to the lower's, the upper's text rises within its own place.
// Latin letters at the design's sizes keep apart as they are; a script with
// signs above its letters, drawn larger, may not.
void keepApart(QLabel* upper, QLabel* lower, int gap = 2);

// The caption stands for the value or control beside it: a screen reader
// finds one through the other (a label relation) and reads them together.
void labelWith(QLabel* caption, QWidget* value);

// The caption without access-key marks and without a trailing colon.
QString accessibleCaption(const QString& captionText);

}  // namespace look
