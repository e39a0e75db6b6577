#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The game is written in English; every other language is a translation
// compiled into the program (:/i18n/bailcrest_<language>.qm) together with the
// few texts of Qt's own that the game shows (qt_extra_<language>.qm).

// The translation to load for the desktop's preferred UI languages, most
// preferred first: the first of them the game has, or an empty name when an
// English one comes first or none is available (the game then stays in
// English). `available` tells whether a translation named "bailcrest_<name>"
// exists.
QString chooseTranslation(const QStringList& uiLanguages, bool (*available)(const QString& name));

// Installs the translation of the game and of Qt's texts for `name` (e.g.
// "hi", or "pseudo" for the build's pseudo-translation). Returns false, and
// installs nothing, when the game has no such translation.
bool installTranslation(QCoreApplication& application, const QString& name);

// Installs the translation the desktop asks for, if the game has one; to be
// called before any window exists.
void installDesktopTranslation(QCoreApplication& application);
