// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The language the game is written in. Its translation holds only the plural
// forms of the texts with a count ("1 match", "2 matches").
const QString english = QStringLiteral("en");

QString gameFile(const QString& name) {
    return QStringLiteral(":/i18n/bailcrest_%1.qm").arg(name);
}

bool gameHasTranslation(const QString& name) {
    return QFile::exists(gameFile(name));
}

// Whether an installed font writes the script. Only the scripts of the
// game's languages are asked for; Latin is always there, as Qt's own fallback.
bool installedFontWrites(QLocale::Script script) {
    QFontDatabase::WritingSystem system = QFontDatabase::Any;
    switch (script) {
        case QLocale::DevanagariScript:
            system = QFontDatabase::Devanagari;
            break;
        case QLocale::BengaliScript:
            system = QFontDatabase::Bengali;
            break;
        case QLocale::ArabicScript:
            system = QFontDatabase::Arabic;
            break;
        case QLocale::TamilScript:
            system = QFontDatabase::Tamil;
            break;
        default:
            return true;
    }
    return !QFontDatabase::families(system).isEmpty();
}

bool loadInto(QCoreApplication& application, const QString& fileName, const QString& folder = {}) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(fileName, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

}  // namespace

QString chooseTranslation(const QStringList& uiLanguages, bool (*available)(const QString& name)) {
    for (const QString& language : uiLanguages) {
        // "hi-IN" may be served by "hi_IN" or, more often, by "hi".
        QString name = QString(language).replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString base = name.section(QLatin1Char('_'), 0, 0);
        // English is the language the game is written in: a desktop that
        // prefers it before any other gets the game as written.
        if (base == english || base == QLatin1String("C")) return english;
        for (const QString& candidate : {name, base})
            if (available(candidate)) return candidate;
    }
    return english;
}

bool installTranslation(QCoreApplication& application, const QString& name) {
    if (name.isEmpty() || !gameHasTranslation(name)) return false;
    // English lies under every other language, searched last: a text a
    // translation still lacks reads as written, its plural chosen by count.
    loadInto(application, gameFile(english));
    if (name == english) return true;
    // Qt's own translations, where the system has them, come first; the
    // game's translation of the few Qt texts it shows is searched before them,
    // as translators installed later are, and the game's own last of all.
    loadInto(application, QStringLiteral("qtbase_") + name,
             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    loadInto(application, QStringLiteral(":/i18n/qt_extra_%1.qm").arg(name));
    return loadInto(application, gameFile(name));
}

QString translatedForTheDesktop(const char* context, const char* text) {
    QTranslator translator;
    const QString name = chooseTranslation(QLocale().uiLanguages(), gameHasTranslation);
    if (name != english && translator.load(gameFile(name))) {
        const QString translated = translator.translate(context, text);
        if (!translated.isEmpty()) return translated;
    }
    return QString::fromUtf8(text);
}

void installDesktopTranslation(QCoreApplication& application) {
    installTranslation(application, chooseTranslation(QLocale().uiLanguages(), gameHasTranslation));
}

ReadableTranslation chooseReadableTranslation(const QString& desktopChoice,
                                              bool (*writable)(QLocale::Script script)) {
    const QLocale language(desktopChoice);
    if (desktopChoice == english || writable(language.script())) return {desktopChoice, {}};
    const QString languageName = QLocale::languageToString(language.language());
    //: Shown in English, as the game has fallen back to it. %1 is the
    //: desktop's language, named in English.
    return {english, QCoreApplication::translate(
                         "Translations",
                         "Bailcrest speaks English: no font on this computer can write %1. To play "
                         "in %1, install a font for it, such as those of Debian's fonts-noto-core.")
                         .arg(languageName)};
}

QString installReadableDesktopTranslation(QCoreApplication& application) {
    const ReadableTranslation chosen = chooseReadableTranslation(
        chooseTranslation(QLocale().uiLanguages(), gameHasTranslation), installedFontWrites);
    installTranslation(application, chosen.name);
    return chosen.whyEnglish;
}
