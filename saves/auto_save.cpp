// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/auto_save.h"

#include <QTextBoundaryFinder>

#include "game/start_career.h"
#include "saves/file_names.h"

namespace {

// The first five characters, as every save file named so far was: a name
// in the Latin alphabet gives the five letters it always gave. Where the
// fifth ends inside a letter drawn from several (a Bengali vowel sign, a
// Devanagari conjunct, a pair of surrogates), the stem runs on to that
// letter's end, never leaving half a letter in the file's name.
QString firstFiveCharacters(const QString& name) {
    if (name.size() <= 5) return name;
    QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, name);
    letters.setPosition(5);
    if (letters.isAtBoundary()) return name.left(5);
    return name.left(letters.toNextBoundary());
}

}  // namespace

QString autoSaveFileName(const QString& playerName) {
    QString stem = firstFiveCharacters(playerName).toLower();
    for (QChar& c : stem) {
        const bool forbidden =
            c.unicode() < 0x20 || c.unicode() == 0x7f || QStringLiteral("/\\:*?\"<>|").contains(c);
        if (forbidden) c = QLatin1Char('_');
    }
    // A leading dot would hide the file, and the Load dialog would not list it.
    if (stem.startsWith(QLatin1Char('.'))) stem[0] = QLatin1Char('_');
    return stem + QStringLiteral("_auto") + saveFileEnding;
}

AutoSave autoSaveOf(const PlayerDetails& details) {
    return AutoSave{details.autoSave, autoSaveFileName(details.name)};
}
