// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QResource>
#include <QTranslator>
#include <QWidget>

#include "game/level.h"
#include "game/start_career.h"
#include "saves/career_file.h"
#include "saves/file_words.h"
#include "saves/save_file.h"
#include "screens/picture_pixels.h"
#include "screens/pictures.h"
#include "support/qt_printers.h"
#include "support/scripted_random.h"

namespace {

// The question about another career's save file, the one text counted with
// the locale's digits (%Ln).
const char* const saveClaim =
    "The file %1 holds the career of %2, at %3 level after %Ln match(es). Saving this career "
    "there would replace it.\n\nReplace it? Yes keeps that career aside under a name of its "
    "own in the same folder and saves this one in its place. No keeps it as it is: this "
    "career then goes on without auto-save in this game, or you can start again under another "
    "name.";

bool hindiOnly(const QString& name) {
    return name == QLatin1String("hi");
}

TEST(ChooseTranslation, TakesTheFirstLanguageTheGameHasOrElseEnglish) {
    const struct {
        QStringList uiLanguages;
        const char* chosen;
    } cases[] = {
        {{QStringLiteral("hi-IN")}, "hi"},
        {{QStringLiteral("hi")}, "hi"},
        {{QStringLiteral("fr-FR"), QStringLiteral("hi-IN"), QStringLiteral("en-US")}, "hi"},
        {{QStringLiteral("en-US"), QStringLiteral("hi-IN")}, "en"},
        {{QStringLiteral("en-IN")}, "en"},
        {{QStringLiteral("C")}, "en"},
        {{QStringLiteral("de-DE"), QStringLiteral("fr")}, "en"},
        {{}, "en"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(chooseTranslation(c.uiLanguages, hindiOnly), QString::fromLatin1(c.chosen))
            << c.uiLanguages.join(QLatin1Char(',')).toStdString();
    }
    // "hi_IN" is tried before "hi" where the game has one of its own.
    EXPECT_EQ(
        chooseTranslation({QStringLiteral("hi-IN")},
                          [](const QString& name) { return name.startsWith(QLatin1String("hi")); }),
        QStringLiteral("hi_IN"));
}

bool noDevanagari(QLocale::Script script) {
    return script != QLocale::DevanagariScript;
}

// A language no installed font can write would be empty boxes: the game
// speaks English then, and says why in a sentence that names the language.
TEST(ChooseReadableTranslation, EnglishWithAReasonWhenNoFontWritesTheLanguage) {
    const ReadableTranslation withoutFont =
        chooseReadableTranslation(QStringLiteral("hi"), noDevanagari);
    EXPECT_EQ(withoutFont.name, QStringLiteral("en"));
    EXPECT_TRUE(withoutFont.whyEnglish.contains(QStringLiteral("Hindi")))
        << withoutFont.whyEnglish.toStdString();

    for (const char* stands : {"en", "pseudo"}) {
        const ReadableTranslation chosen =
            chooseReadableTranslation(QString::fromLatin1(stands), noDevanagari);
        EXPECT_EQ(chosen.name, QString::fromLatin1(stands));
        EXPECT_TRUE(chosen.whyEnglish.isEmpty()) << stands;
    }
    const ReadableTranslation withFont =
        chooseReadableTranslation(QStringLiteral("hi"), [](QLocale::Script) { return true; });
    EXPECT_EQ(withFont.name, QStringLiteral("hi"));
    EXPECT_TRUE(withFont.whyEnglish.isEmpty());
}

// Installs a translation for one test and takes it away again after it.
class Translated : public ::testing::Test {
  protected:
    void TearDown() override {
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
};

TEST_F(Translated, HindiReachesTheGameAndQtsOwnTexts) {
    ASSERT_TRUE(installTranslation(*qApp, QStringLiteral("hi")));
    const struct {
        const char* context;
        const char* english;
        const char* hindi;
    } cases[] = {
        {"MainScreen", "Play", "खेलें"},          {"Category", "Batsman", "बल्लेबाज़"},
        {"QPlatformTheme", "&Yes", "हाँ (&Y)"}, {"QPlatformTheme", "OK", "ठीक है"},
        {"QShortcut", "Ctrl", "Ctrl"},         {"QFileDialog", "File &name:", "फ़ाइल का नाम (&N):"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QCoreApplication::translate(c.context, c.english), QString::fromUtf8(c.hindi))
            << c.context << ' ' << c.english;
    }
    // What files hold stays English; only what is shown follows the language.
    EXPECT_EQ(levelWord(Level::national), QStringLiteral("National"));
    EXPECT_EQ(levelName(Level::national), QStringLiteral("राष्ट्रीय"));
    EXPECT_EQ(teamName(QStringLiteral("Rising Sun")), QStringLiteral("राइज़िंग सन"));
    EXPECT_EQ(teamName(QStringLiteral("Pune")), QStringLiteral("Pune"));
}

// Qt ships no Tamil of its own: the message boxes' buttons and the file
// dialog speak Tamil from the game's texts of Qt alone, and a count takes
// Tamil's plural.
TEST_F(Translated, TamilHasQtsTextsFromTheGameAndItsOwnPlural) {
    ASSERT_TRUE(installTranslation(*qApp, QStringLiteral("ta")));
    const struct {
        const char* context;
        const char* english;
        const char* tamil;
    } cases[] = {
        {"MainScreen", "Play", "விளையாடு"},
        {"QPlatformTheme", "&Yes", "ஆம் (&Y)"},
        {"QPlatformTheme", "&No", "இல்லை (&N)"},
        {"QPlatformTheme", "OK", "சரி"},
        {"QFileDialog", "File &name:", "கோப்பின் பெயர் (&N):"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QCoreApplication::translate(c.context, c.english), QString::fromUtf8(c.tamil))
            << c.context << ' ' << c.english;
    }
    EXPECT_EQ(QCoreApplication::translate("HistoryCharts", "Promotions marked: %Ln.", nullptr, 1),
              QString::fromUtf8("குறிக்கப்பட்ட உயர்வு: 1."));
    EXPECT_EQ(QCoreApplication::translate("HistoryCharts", "Promotions marked: %Ln.", nullptr, 3),
              QString::fromUtf8("குறிக்கப்பட்ட உயர்வுகள்: 3."));
    EXPECT_EQ(levelWord(Level::national), QStringLiteral("National"));
    EXPECT_EQ(teamName(QStringLiteral("Rising Sun")), QString::fromUtf8("ரைசிங் சன்"));
}

// The translation tells Qt the direction its language is written in: every
// window of Urdu is mirrored, those of Hindi, Bengali and Tamil are not, and
// English comes back left to right.
TEST_F(Translated, UrduTurnsEveryWindowRightToLeft) {
    const struct {
        const char* language;
        Qt::LayoutDirection direction;
    } cases[] = {
        {"ur", Qt::RightToLeft}, {"bn", Qt::LeftToRight},         {"ta", Qt::LeftToRight},
        {"hi", Qt::LeftToRight}, {"pseudo_rtl", Qt::RightToLeft}, {"en", Qt::LeftToRight},
    };
    for (const auto& c : cases) {
        TearDown();
        ASSERT_TRUE(installTranslation(*qApp, QString::fromLatin1(c.language))) << c.language;
        QApplication::processEvents();
        EXPECT_EQ(QGuiApplication::layoutDirection(), c.direction) << c.language;
        QWidget window;
        EXPECT_EQ(window.layoutDirection(), c.direction) << c.language;
    }
}

// Line names are translated when a message is written, not once for the
// whole run: a message follows the language in use at the time.
TEST_F(Translated, ASaveFilesLineIsNamedInTheLanguageInUse) {
    SaveFile file;
    file.lines.fill(QStringLiteral("0"));
    file.lines[0] = saveFileHeader;
    const int line = saveLine::recordBook(levelIndex(Level::city), 0);
    file.setLine(line, QStringLiteral("many"));
    EXPECT_EQ(saveFileProblem(file),
              QStringLiteral("line %1 (City matches played) holds \"many\", which is not a number")
                  .arg(line));
    ASSERT_TRUE(installTranslation(*qApp, QStringLiteral("hi")));
    EXPECT_EQ(
        saveFileProblem(file),
        QStringLiteral("पंक्ति %1 (शहर स्तर पर खेले गए मैच) में \"many\" है, जो संख्या नहीं है").arg(line));
}

// A career saved in Hindi is the file it is in English: the club, level and
// category words and every figure as the English game writes them.
TEST_F(Translated, ACareerSavedInHindiIsTheFileSavedInEnglish) {
    ScriptedRandom random;
    random.draws = {drawFor(3, 5)};
    Career career =
        startCareer({QStringLiteral("Arjun"), QStringLiteral("Pune"), QStringLiteral("Maharashtra"),
                     QStringLiteral("India"), Skills{60, 40, 30}, true},
                    random);
    career.bankBalance = 100000;
    career.statistics().battingAverage = BattingAverage::of(50.67f);
    const QByteArray english = encodeSaveFile(saveFileOf(career, true));
    ASSERT_TRUE(installTranslation(*qApp, QStringLiteral("hi")));
    QLocale::setDefault(QLocale(QStringLiteral("hi_IN")));
    const QByteArray hindi = encodeSaveFile(saveFileOf(career, true));
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(hindi, english);
    EXPECT_EQ(saveFileOf(career, true).line(saveLine::clubTeam), QStringLiteral("Happy Valley"));
}

TEST_F(Translated, ThePseudoTranslationKeepsArgumentsAndAccessKeys) {
    ASSERT_TRUE(installTranslation(*qApp, QStringLiteral("pseudo")));
    const QString play = QCoreApplication::translate("MainScreen", "Play");
    EXPECT_TRUE(play.startsWith(QLatin1Char('[')) && play.endsWith(QLatin1Char(']')))
        << play.toStdString();
    EXPECT_GE(play.size(), 6);
    const QString ok = QCoreApplication::translate("PurchaseScreen", "&OK");
    EXPECT_TRUE(ok.contains(QStringLiteral("&O"))) << ok.toStdString();
    const QString filter = QCoreApplication::translate("ScreenNavigator", "Bailcrest Saves (%1)");
    EXPECT_TRUE(filter.contains(QStringLiteral("(%1)"))) << filter.toStdString();
    const QString counted = QCoreApplication::translate("SaveClaim", saveClaim, nullptr, 12);
    EXPECT_TRUE(counted.contains(QStringLiteral(" 12 "))) << counted.toStdString();
}

// English's own translation chooses between "match" and "matches", where the
// source can only write both; a desktop in a language the game lacks gets it
// too, and it lies under every other language.
TEST_F(Translated, EnglishCountsReadAsEnglish) {
    const struct {
        const char* context;
        const char* source;
        int count;
        const char* shown;
    } cases[] = {
        {"SaveClaim", saveClaim, 1, "at %3 level after 1 match. Saving"},
        {"SaveClaim", saveClaim, 2, "at %3 level after 2 matches. Saving"},
        {"SaveClaim", saveClaim, 0, "at %3 level after 0 matches. Saving"},
        {"HistoryTexts", "Rows of the history file skipped as unreadable: %n.", 1,
         "Rows of the history file skipped as unreadable: 1."},
        {"HistoryCharts", "Promotions marked: %n.", 2, "Promotions marked: 2."},
    };
    for (const char* desktop : {"en_US", "de_DE"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(desktop)));
        installDesktopTranslation(*qApp);
        for (const auto& c : cases) {
            const QString shown =
                QCoreApplication::translate(c.context, c.source, nullptr, c.count);
            EXPECT_TRUE(shown.contains(QString::fromLatin1(c.shown)))
                << desktop << ", " << c.count << ": " << shown.toStdString();
        }
        TearDown();
    }
    QLocale::setDefault(QLocale::c());
    ASSERT_TRUE(installTranslation(*qApp, QStringLiteral("hi")));
    EXPECT_TRUE(QCoreApplication::translate("SaveClaim", saveClaim, nullptr, 1)
                    .contains(QStringLiteral("1 मैच के बाद")));
    EXPECT_TRUE(QCoreApplication::translate("SaveClaim", saveClaim, nullptr, 2)
                    .contains(QStringLiteral("2 मैचों के बाद")));
}

QImage bannerIn(const char* language) {
    const QResource resource(QStringLiteral(":/banner_left.pixels"),
                             QLocale(QString::fromLatin1(language)));
    return pictureFromPixels(resource.uncompressedData()).convertToFormat(QImage::Format_ARGB32);
}

QImage shownBanner() {
    return gamePicture(QStringLiteral("banner_left.png"), 1.0)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

// The banners' words are those of the texts around them, whatever locale the
// numbers follow: the desktop may choose the two apart.
TEST_F(Translated, TheBannersSpeakTheLanguageOfTheTexts) {
    const QImage shownBefore = shownBanner();
    const QImage english = bannerIn("en");
    const QImage hindi = bannerIn("hi");
    ASSERT_FALSE(english.isNull());
    ASSERT_NE(english, hindi);
    // Every language of the list has banners of its own, drawn by the build.
    for (const char* language : {"ur", "bn"}) {
        const QImage own = bannerIn(language);
        EXPECT_EQ(own.size(), english.size()) << language;
        EXPECT_NE(own, english) << language;
        EXPECT_NE(own, hindi) << language;
    }
    EXPECT_EQ(shownBefore, english);
    const struct {
        const char* translation;
        const char* locale;
        const QImage& shown;
    } cases[] = {
        {"hi", "en_US", hindi},
        {"en", "hi_IN", english},
        {"hi", "hi_IN", hindi},
        {"en", "en_US", english},
    };
    for (const auto& c : cases) {
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        ASSERT_TRUE(installTranslation(*qApp, QString::fromLatin1(c.translation)));
        EXPECT_TRUE(shownBanner() == c.shown) << c.translation << " under " << c.locale;
        TearDown();
    }
    QLocale::setDefault(QLocale::c());
}

TEST_F(Translated, ALanguageTheGameLacksInstallsNothing) {
    EXPECT_FALSE(installTranslation(*qApp, QStringLiteral("xx")));
    EXPECT_FALSE(installTranslation(*qApp, QString()));
    EXPECT_TRUE(qApp->findChildren<QTranslator*>().isEmpty());
    EXPECT_EQ(QCoreApplication::translate("MainScreen", "Play"), QStringLiteral("Play"));
}

}  // namespace
