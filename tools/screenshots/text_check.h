// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

class QAbstractItemView;
class QFont;
class QGraphicsView;
class QWidget;

// Looks at every text a screen shows (labels, buttons, frame titles, tabs,
// column headings, the cells of tables and lists, the items of a choice, the
// window title, tooltips and screen-reader names) and reports each that
// does not fit its widget, measured with the widget's own font, each that its
// font (the tooltips' for a tooltip) does not draw whole, and, when
// `untranslated` is set (under the pseudo-translation), each that never went
// through a translation; in every language, each that shows an argument
// unfilled ("%1", "%Ln"). When `latinIsForeign` is set (a translation into a
// script other than Latin) it reports each text that keeps an English word,
// the names of keys as printed on them aside; when `latinDigitsAreForeign` is
// set (a locale with digits of its own), each that shows a number in Latin
// digits, a number that never went through the locale. Texts in `ownWords` (names the
// player typed, brand names) and texts without letters (numbers) are the
// player's or nobody's language and pass.
class TextCheck {
  public:
    TextCheck(bool untranslated, bool latinIsForeign, QSet<QString> ownWords,
              bool latinDigitsAreForeign = false)
        : untranslated_(untranslated),
          latinIsForeign_(latinIsForeign),
          latinDigitsAreForeign_(latinDigitsAreForeign),
          ownWords_(std::move(ownWords)) {}

    // The texts of a screen or message box: labels, buttons, frame titles,
    // tabs, column headings and the items of a choice.
    void check(QWidget& screen, const QString& screenName);
    // The texts of a part of a screen already shown, such as one tab's page.
    void checkPart(QWidget& part, const QString& screenName);
    const QStringList& problems() const { return problems_; }

  private:
    void checkShown(const QString& place, const QString& text, bool fits);
    void checkCells(const QString& place, const QAbstractItemView& view);
    void checkDrawnTexts(const QString& place, const QGraphicsView& drawing);
    void checkTranslated(const QString& place, const QString& text);
    // Every letter from one of the font's own families, each word from one.
    void checkWritten(const QString& place, const QString& text, const QFont& font);
    void checkNoEnglishWord(const QString& place, const QString& text);
    void checkNoLatinDigit(const QString& place, const QString& text);

    bool untranslated_;
    bool latinIsForeign_;
    bool latinDigitsAreForeign_;
    QSet<QString> ownWords_;
    QStringList problems_;
};
