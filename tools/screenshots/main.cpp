// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures every screen of the game with a sample career and writes them as
// PNG files into the folder named on the command line (docs/screenshots when
// none is named). Without a display it draws offscreen; QT_SCALE_FACTOR
// pictures the screens as a high-density display shows them.
//
//   bailcrest_screenshots [FOLDER [LANGUAGE]]  pictures in a translation ("hi",
//                                              or "bn_IN" for Bengali with India's
//                                              numbers), as main-hi.png and so on
//   bailcrest_screenshots --check LANGUAGE     no pictures: fails when a text is
//                                              cut off ("en", "hi_IN", "pseudo",
//                                              "pseudo_rtl"), or under a pseudo-
//                                              translation never translated, on
//                                              the screens and in the message
//                                              boxes they raise
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLocale>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <initializer_list>

#include "app/translations.h"
#include "game/career_summary.h"
#include "game/hall_of_fame.h"
#include "game/sponsorship.h"
#include "game/start_career.h"
#include "saves/career_file.h"
#include "saves/save_file_io.h"
#include "screens/career_in_play.h"
#include "screens/career_picker.h"
#include "screens/career_summary_screen.h"
#include "screens/credits_screen.h"
#include "screens/hall_of_fame_screen.h"
#include "screens/history/history_screen.h"
#include "screens/look.h"
#include "screens/main_screen.h"
#include "screens/match_screen.h"
#include "screens/platform.h"
#include "screens/play_on_dialog.h"
#include "screens/play_on_news.h"
#include "screens/player_screen.h"
#include "screens/purchase_screen.h"
#include "screens/records_screen.h"
#include "screens/sponsors_screen.h"
#include "screens/units_scroll_bar.h"
#include "tools/screenshots/raised_messages.h"
#include "tools/screenshots/sample_career.h"
#include "tools/screenshots/stand_ins.h"
#include "tools/screenshots/text_check.h"

namespace {

bool writePicture(QWidget& screen, const QDir& folder, const QString& name) {
    screen.show();
    QApplication::processEvents();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    const bool written = screen.grab().save(path);
    screen.hide();
    QTextStream(written ? stdout : stderr)
        << (written ? QStringLiteral("wrote ") : QStringLiteral("could not write ")) << path
        << Qt::endl;
    return written;
}

// As the player leaves it before Start: the texts typed and the sliders moved
// to the skills.
void fillPlayerScreen(PlayerScreen& player, const PlayerDetails& details) {
    player.showDetails(details);
    const int skills[] = {details.skills.batting, details.skills.bowling, details.skills.fielding};
    for (int i = 0; i < 3; ++i) player.slider(i)->setValue(skills[i]);
}

// Matches enough for the History window's charts to tell a story.
constexpr int sampleCareerMatches = 60;
// The most matches a career can hold at one level.
constexpr int longestCareerMatches = 32767;

// The club whose name, in the language shown and the font of a team's name,
// reaches lowest below its line: "Happy Valley" (its p and y) unless another
// reaches lower in the translation.
QString lowestHangingClub() {
    const QFontMetrics metrics(look::font(true));
    const auto depth = [&](const QString& club) {
        return metrics.tightBoundingRect(teamName(club)).bottom();
    };
    QString lowest = QStringLiteral("Happy Valley");
    for (const char* name : clubNames) {
        const QString club = QString::fromLatin1(name);
        if (depth(club) > depth(lowest)) lowest = club;
    }
    return lowest;
}

void chooseUnits(PurchaseScreen& screen, std::initializer_list<int> units) {
    int row = 0;
    for (int count : units) screen.scrollBar(row++)->setValue(count);
}

// Shows `visit` the History window of a career of that many matches, played
// with a round of draws of its own, open on the chart given.
template <typename Visit>
void visitHistory(Visit& visit, QWidget& main, int matches, int chart, const char* name) {
    FixedDraws draws;
    Career career = startCareer(sampleDetails(), draws);
    CareerHistory history;
    playSampleCareer(career, history, draws, matches);
    CareerInPlay model(std::move(career), std::move(history));
    HistoryScreen screen(model, &main);
    screen.showTab(HistoryScreen::Tab(chart));
    // The charts lay themselves out in events of their own once shown.
    screen.show();
    QApplication::processEvents();
    visit(screen, name);
}

// Shows every screen of the game with the sample career to `visit`, in the
// order a player meets them.
template <typename Visit>
void walkScreens(Visit&& visit) {
    SilentPrompter prompter;
    FixedDraws random;
    IdleOpener opener;
    Platform platform{prompter, random, opener, QString()};

    CreditsScreen credits(CreditsScreen::atStartUp, opener, prompter);
    visit(credits, "credits");

    PlayerScreen player(prompter);
    fillPlayerScreen(player, sampleDetails());
    visit(player, "player");

    // Load's list, on a folder of the sample career, one set aside and a
    // file that is no save.
    {
        QTemporaryDir saves;
        FixedDraws draws;
        Career saved = startCareer(sampleDetails(), draws);
        playSampleSeason(saved, draws);
        writeSaveFile(saves.path(), autoSaveFileName(saved.player), saveFileOf(saved, true));
        saved.player = QStringLiteral("Arjun Mehta");
        writeSaveFile(saves.path(), QStringLiteral("arjun_auto.old-20261208-142406.bsg"),
                      saveFileOf(saved, true));
        QFile other(saves.path() + QStringLiteral("/notes.bsg"));
        if (other.open(QIODevice::WriteOnly)) other.write("not a save");
        other.close();
        // Last played at a set time, so the list reads the same whenever it
        // is drawn, as a time of two figures' hour is wider than one of one.
        const QDateTime played(QDate(2026, 12, 8), QTime(14, 24));
        for (const QString& name : QDir(saves.path()).entryList(QDir::Files)) {
            QFile file(saves.filePath(name));
            if (file.open(QIODevice::ReadWrite))
                file.setFileTime(played, QFileDevice::FileModificationTime);
        }
        CareerPicker picker(saves.path(),
                            QCoreApplication::translate("ScreenNavigator", "Bailcrest: Load Game"),
                            QStringLiteral("*.bsg"), prompter, &player);
        visit(picker, "load");
    }

    MainScreen main(platform, startCareer(sampleDetails(), random));
    main.career().update([&](Career& career) { playSampleSeason(career, random); });
    visit(main, "main");
    main.show();

    // A match of the club whose name hangs lowest below its line, where a
    // name without descenders would show none cut.
    CareerInPlay club(careerAtClub(lowestHangingClub(), random));
    MatchScreen match(club, platform, &main);
    visit(match, "match");

    const std::pair<PurchaseScreen::Centre, const char*> centres[] = {
        {PurchaseScreen::training, "training"},
        {PurchaseScreen::store, "store"},
        {PurchaseScreen::health, "health"}};
    for (const auto& [centre, name] : centres) {
        PurchaseScreen screen(centre, main.career(), prompter, &main);
        // Training offers far more than the bank holds: show an order the
        // player can pay for.
        if (centre == PurchaseScreen::training) chooseUnits(screen, {4, 3, 2});
        visit(screen, name);
    }

    SponsorsScreen sponsorsScreen(main.career(), prompter, &main);
    visit(sponsorsScreen, "sponsors");

    visit(*main.recordsScreen(), "record-book");

    // The history of a longer career than the season above, then of the
    // longest career there can be, which reads as a shape drawn by blocks of
    // matches.
    visitHistory(visit, main, sampleCareerMatches, historyChart::runs, "history");
    visitHistory(visit, main, longestCareerMatches, historyChart::skills, "history-long");

    // The end of a longer career, and the hall of fame it enters.
    FixedDraws draws;
    Career ended = startCareer(sampleDetails(), draws);
    CareerHistory history;
    playSampleCareer(ended, history, draws, sampleCareerMatches);
    const CareerSummary summary = summarise(ended, history, CareerEnding::dropped);
    CareerSummaryScreen summaryScreen(summary, QStringLiteral("sample.bsg"), true, prompter, &main);
    visit(summaryScreen, "summary");

    std::vector<FameEntry> fame{fameEntryOf(summary, autoSaveFileName(ended.player),
                                            QDateTime(QDate(2026, 12, 8), QTime(14, 24)))};
    fame.push_back(fameEntryOf(summarise(main.career().career(), main.career().history()),
                               QStringLiteral("arjun_auto.bsg"),
                               QDateTime(QDate(2026, 12, 1), QTime(9, 5))));
    fame.back().player = QStringLiteral("Arjun Mehta");
    HallOfFameScreen hallOfFame(fame, &main);
    visit(hallOfFame, "hall-of-fame");

    // Play on: its dialog, and the news of a run of the sample career's
    // season played on, every stop chosen.
    PlayOnRules rules;
    rules.matches = 20;
    rules.atPromotion = rules.atWorldCup = rules.atAward = true;
    rules.conditionFloor = ConditionFloor{Shortfall::stamina, 20};
    PlayOnDialog playOn(rules, &main);
    visit(playOn, "play-on");
    FixedDraws runDraws;
    CareerSession session(startCareer(sampleDetails(), runDraws));
    rules.atAward = false;
    PlayOnRun run(session, rules);
    while (run.goesOn()) run.playNext(runDraws, [](double) { return false; });
    PlayOnNewsScreen news(run, session.career(), &main);
    visit(news, "play-on-news");
}

bool isPseudo(const QString& language) {
    return language.startsWith(QLatin1String("pseudo"));
}

// The translation's name: the language's code of a locale ("bn" of "bn_IN").
QString translationOf(const QString& language) {
    if (language.isEmpty()) return QStringLiteral("en");
    return isPseudo(language) ? language : language.section(QLatin1Char('_'), 0, 0);
}

// The translation and the locale whose numbers go with it: a language's own
// (its country's, where named: "bn_IN"), a pseudo-translation with India's
// grouping (its numbers run longest).
bool useLanguage(QApplication& application, const QString& language) {
    // English as written, with the plain digits of the C locale whatever the
    // desktop's locale, so the pictures are the same on every machine.
    QLocale::setDefault(QLocale::c());
    const QString name = translationOf(language);
    if (!installTranslation(application, name)) {
        std::fprintf(stderr, "the game has no translation \"%s\"\n", qPrintable(language));
        return false;
    }
    look::useLanguageFonts();
    if (name == QLatin1String("en")) return true;
    QLocale::setDefault(QLocale(isPseudo(language) ? QStringLiteral("en_IN") : language));
    return true;
}

// Names the player typed and the sponsors' brands, which no translation touches.
QSet<QString> ownWords() {
    const PlayerDetails details = sampleDetails();
    // The game's name and version, as its title writes them in every language.
    QSet<QString> words{QStringLiteral("Bailcrest"), QStringLiteral("BAILCREST"),
                        QStringLiteral("v1.0")};
    for (const QString& text :
         QStringList{details.name, details.city, details.state, details.country} +
             quotedInMessages()) {
        words << text;
        for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) words << word;
    }
    for (const Sponsor& sponsor : sponsors) {
        words << sponsor.name;
        for (const QString& word : sponsor.name.split(
                 QRegularExpression(QStringLiteral(R"([^\w&]+)")), Qt::SkipEmptyParts))
            words << word;
    }
    return words;
}

int checkTexts(QApplication& application, const QString& language) {
    if (!useLanguage(application, language)) return 2;
    const bool pseudo = isPseudo(language);
    // Every language but English and the pseudo-translation (English
    // bracketed) writes in a script of its own.
    const bool latinIsForeign = !pseudo && language != QLatin1String("en") &&
                                QLocale(language).script() != QLocale::LatinScript;
    // A locale with digits of its own writes every number in them.
    const bool latinDigitsAreForeign = !pseudo && QLocale().zeroDigit() != QLatin1String("0");
    TextCheck check(pseudo, latinIsForeign, ownWords(), latinDigitsAreForeign);
    walkScreens([&](QWidget& screen, const char* name) {
        const QString screenName = QString::fromLatin1(name);
        // The History window: each of its tabs in turn, then the whole window
        // on the tab it opened on: its charts' drawn texts, its tables'
        // headings and cells.
        if (auto* history = qobject_cast<HistoryScreen*>(&screen)) {
            QTabWidget* tabs = history->chartTabs();
            const int opened = tabs->currentIndex();
            for (int tab = 0; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                QApplication::processEvents();
                check.checkPart(*tabs->widget(tab),
                                QStringLiteral("%1 (%2)").arg(screenName, tabs->tabText(tab)));
            }
            tabs->setCurrentIndex(opened);
        }
        check.check(screen, screenName);
    });
    // The message boxes and questions the screens raise, with their buttons.
    const QStringList silent = raiseMessages([&](QWidget& box, const QString& name) {
        check.check(box, QStringLiteral("message (%1)").arg(name));
    });
    for (const QString& scene : silent)
        std::fprintf(stderr, "%s: raised no message: %s\n", qPrintable(language),
                     qPrintable(scene));
    for (const QString& problem : check.problems())
        std::fprintf(stderr, "%s: %s\n", qPrintable(language), qPrintable(problem));
    return check.problems().isEmpty() && silent.isEmpty() ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments();
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--check"))
        return checkTexts(application, arguments.at(2));

    // The message boxes too, with --messages, for a reader to look at as
    // the player sees them; the documentation shows the screens alone.
    const bool withMessages =
        arguments.size() > 1 && arguments.at(1) == QLatin1String("--messages");
    if (withMessages) arguments.removeAt(1);
    const QDir folder(arguments.size() > 1 ? arguments.at(1) : QStringLiteral("docs/screenshots"));
    const QString language = arguments.size() > 2 ? arguments.at(2) : QString();
    if (!useLanguage(application, language)) return 2;
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make the folder %s\n", qPrintable(folder.path()));
        return 1;
    }
    const QString suffix =
        language.isEmpty() ? QString() : QLatin1Char('-') + translationOf(language);
    bool allWritten = true;
    walkScreens([&](QWidget& screen, const char* name) {
        allWritten = writePicture(screen, folder, QString::fromLatin1(name) + suffix) && allWritten;
    });
    if (!withMessages) return allWritten ? 0 : 1;
    int raised = 0;
    raiseMessages([&](QWidget& box, const QString&) {
        allWritten =
            writePicture(box, folder, QStringLiteral("message%1%2").arg(++raised).arg(suffix)) &&
            allWritten;
    });
    return allWritten ? 0 : 1;
}
