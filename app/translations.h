// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The game is written in English; every other language is a translation
// compiled into the program (:/i18n/bailcrest_<language>.qm) together with the
// few texts of Qt's own that the game shows (qt_extra_<language>.qm). English
// has a translation too, bailcrest_en.qm, holding only the singular and plural
// forms of the texts with a count, which the English source cannot choose.

// The translation to load for the desktop's preferred UI languages, most
// preferred first: the first of them the game has, or "en" when an English
// one comes first or none is available. `available` tells whether a
// translation named "bailcrest_<name>" exists.
QString chooseTranslation(const QStringList& uiLanguages, bool (*available)(const QString& name));

// Installs the translation of the game and of Qt's texts for `name` (e.g.
// "hi", or "pseudo" for the build's pseudo-translation), above English ("en",
// which alone installs English's plural forms). Returns false, and installs
// nothing, when the game has no such translation.
bool installTranslation(QCoreApplication& application, const QString& name);

// A text of the game in the language the desktop asks for, read from its
// translation without an application: for what is said before one exists.
QString translatedForTheDesktop(const char* context, const char* text);

// Installs the translation the desktop asks for, or English when the game has
// none of its languages; to be called before any window exists.
void installDesktopTranslation(QCoreApplication& application);

// The translation the desktop asks for when a font can write its script
// (`writable` tells), else English: with the sentence that tells the player
// why, in English, or an empty one when the desktop's choice stands.
struct ReadableTranslation {
    QString name;
    QString whyEnglish;
};
ReadableTranslation chooseReadableTranslation(const QString& desktopChoice,
                                              bool (*writable)(QLocale::Script script));

// As installDesktopTranslation, but English when no installed font can write
// the desktop's language, whose letters would otherwise show as empty boxes;
// returns why it is English then, to be told once. Needs the application's
// fonts, so a QGuiApplication.
QString installReadableDesktopTranslation(QCoreApplication& application);
