#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

class QWidget;

// Looks at every text a screen shows (labels, buttons, frame titles, the
// window title, tooltips and screen-reader names) and reports each that
// does not fit its widget, measured with the widget's own font, and, when
// `untranslated` is set (under the pseudo-translation), each that never went
// through a translation; in every language, each that shows an argument
// unfilled ("%1", "%Ln"). Texts in `ownWords` (names the player typed, brand
// names) and texts without letters (numbers) are the player's or nobody's
// language and pass.
class TextCheck {
  public:
    TextCheck(bool untranslated, QSet<QString> ownWords)
        : untranslated_(untranslated), ownWords_(std::move(ownWords)) {}

    // With `fit` false only the translation of the screen's texts is checked.
    void check(QWidget& screen, const QString& screenName, bool fit = true);
    const QStringList& problems() const { return problems_; }

  private:
    void checkTranslated(const QString& place, const QString& text);

    bool untranslated_;
    QSet<QString> ownWords_;
    QStringList problems_;
};
