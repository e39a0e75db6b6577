// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures every screen of the game with a sample career and writes them as
// PNG files into the folder named on the command line (docs/screenshots when
// none is named). Without a display it draws offscreen; QT_SCALE_FACTOR
// pictures the screens as a high-density display shows them.
//
//   bailcrest_screenshots [FOLDER [LANGUAGE]]  pictures in a translation ("hi"),
//                                              as main-hi.png and so on
//   bailcrest_screenshots --check LANGUAGE     no pictures: fails when a text is
//                                              cut off ("en", "hi", "pseudo"), or
//                                              under "pseudo" never translated, on
//                                              the screens and in the message
//                                              boxes they raise
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTabWidget>
#include <QTextStream>
#include <cstdio>
#include <initializer_list>

#include "app/translations.h"
#include "game/sponsorship.h"
#include "game/start_career.h"
#include "screens/career_model.h"
#include "screens/credits_screen.h"
#include "screens/history/history_screen.h"
#include "screens/main_screen.h"
#include "screens/match_screen.h"
#include "screens/platform.h"
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
    CareerModel model(std::move(career), std::move(history));
    HistoryScreen screen(model, &main);
    screen.chartTabs()->setCurrentIndex(chart);
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

    MainScreen main(platform, startCareer(sampleDetails(), random));
    main.career().update([&](Career& career) { playSampleSeason(career, random); });
    visit(main, "main");
    main.show();

    MatchScreen match(main.career(), platform, &main);
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

    SponsorsScreen sponsorsScreen(main.career(), &main);
    visit(sponsorsScreen, "sponsors");

    visit(*main.recordsScreen(), "record-book");

    // The history of a longer career than the season above, then of the
    // longest career there can be, which reads as a shape drawn by blocks of
    // matches.
    visitHistory(visit, main, sampleCareerMatches, historyChart::runs, "history");
    visitHistory(visit, main, longestCareerMatches, historyChart::skills, "history-long");
}

// The translation and the locale whose numbers go with it: Hindi with India's
// grouping, the pseudo-translation with the same (its numbers run longest).
bool useLanguage(QApplication& application, const QString& language) {
    // English as written, with the plain digits of the C locale whatever the
    // desktop's locale, so the pictures are the same on every machine.
    QLocale::setDefault(QLocale::c());
    const QString name = language.isEmpty() ? QStringLiteral("en") : language;
    if (!installTranslation(application, name)) {
        std::fprintf(stderr, "the game has no translation \"%s\"\n", qPrintable(language));
        return false;
    }
    if (name == QLatin1String("en")) return true;
    QLocale::setDefault(QLocale(language == QLatin1String("hi") ? QStringLiteral("hi_IN")
                                                                : QStringLiteral("en_IN")));
    return true;
}

// Names the player typed and the sponsors' brands, which no translation touches.
QSet<QString> ownWords() {
    const PlayerDetails details = sampleDetails();
    QSet<QString> words{details.name,
                        details.city,
                        details.state,
                        details.country,
                        QStringLiteral("Bailcrest"),
                        QStringLiteral("BAILCREST")};
    for (const QString& text : {details.name, details.city, details.state, details.country})
        for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) words << word;
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
    TextCheck check(language == QLatin1String("pseudo"), ownWords());
    walkScreens([&](QWidget& screen, const char* name) {
        const QString screenName = QString::fromLatin1(name);
        // The History window: each of its tabs in turn, then the whole window
        // on the tab it opened on. Its charts draw their own texts, scaled
        // with the chart, and the cells of its tables scroll and elide, so
        // those are left out; the tables' column headings are checked.
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
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--check"))
        return checkTexts(application, arguments.at(2));

    const QDir folder(arguments.size() > 1 ? arguments.at(1) : QStringLiteral("docs/screenshots"));
    const QString language = arguments.size() > 2 ? arguments.at(2) : QString();
    if (!useLanguage(application, language)) return 2;
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make the folder %s\n", qPrintable(folder.path()));
        return 1;
    }
    const QString suffix = language.isEmpty() ? QString() : QLatin1Char('-') + language;
    bool allWritten = true;
    walkScreens([&](QWidget& screen, const char* name) {
        allWritten = writePicture(screen, folder, QString::fromLatin1(name) + suffix) && allWritten;
    });
    return allWritten ? 0 : 1;
}
