// Pictures every screen of the game with a sample career and writes them as
// PNG files into the folder named on the command line (docs/screenshots when
// none is named). Without a display it draws offscreen; QT_SCALE_FACTOR
// pictures the screens as a high-density display shows them.
#include <QApplication>
#include <QDir>
#include <QScrollBar>
#include <QTextStream>
#include <cstdio>
#include <initializer_list>

#include "game/start_career.h"
#include "screens/career_model.h"
#include "screens/credits_screen.h"
#include "screens/history_screen.h"
#include "screens/main_screen.h"
#include "screens/match_screen.h"
#include "screens/platform.h"
#include "screens/player_screen.h"
#include "screens/purchase_screen.h"
#include "screens/records_screen.h"
#include "screens/sponsors_screen.h"
#include "screens/units_scroll_bar.h"
#include "tools/screenshots/sample_career.h"
#include "tools/screenshots/stand_ins.h"

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

void chooseUnits(PurchaseScreen& screen, std::initializer_list<int> units) {
    int row = 0;
    for (int count : units) screen.scrollBar(row++)->setValue(count);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const QDir folder(arguments.size() > 1 ? arguments.at(1) : QStringLiteral("docs/screenshots"));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make the folder %s\n", qPrintable(folder.path()));
        return 1;
    }

    SilentPrompter prompter;
    FixedDraws random;
    IdleOpener opener;
    Platform platform{prompter, random, opener, QString()};
    bool allWritten = true;
    const auto picture = [&](QWidget& screen, const char* name) {
        allWritten = writePicture(screen, folder, QString::fromLatin1(name)) && allWritten;
    };

    CreditsScreen credits(CreditsScreen::atStartUp, opener, prompter);
    picture(credits, "credits");

    PlayerScreen player(prompter);
    fillPlayerScreen(player, sampleDetails());
    picture(player, "player");

    MainScreen main(platform, startCareer(sampleDetails(), random), SaveTarget{});
    main.career().update([&](Career& career) { playSampleSeason(career, random); });
    picture(main, "main");
    main.show();

    MatchScreen match(main.career(), platform, &main);
    picture(match, "match");

    const std::pair<PurchaseScreen::Centre, const char*> centres[] = {
        {PurchaseScreen::training, "training"},
        {PurchaseScreen::store, "store"},
        {PurchaseScreen::health, "health"}};
    for (const auto& [centre, name] : centres) {
        PurchaseScreen screen(centre, main.career(), prompter, &main);
        // Training offers far more than the bank holds: show an order the
        // player can pay for.
        if (centre == PurchaseScreen::training) chooseUnits(screen, {4, 3, 2});
        picture(screen, name);
    }

    SponsorsScreen sponsorsScreen(main.career(), &main);
    picture(sponsorsScreen, "sponsors");

    picture(*main.recordsScreen(), "record-book");

    // The history of a longer career than the season above, with its own
    // round of draws.
    FixedDraws storyDraws;
    Career story = startCareer(sampleDetails(), storyDraws);
    CareerHistory storyHistory;
    playSampleCareer(story, storyHistory, storyDraws, sampleCareerMatches);
    CareerModel storyModel(std::move(story), std::move(storyHistory));
    HistoryScreen history(storyModel, &main);
    // The charts lay themselves out in events of their own once shown.
    history.show();
    QApplication::processEvents();
    picture(history, "history");
    return allWritten ? 0 : 1;
}
