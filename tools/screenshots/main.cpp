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

#include "core/main_screen.h"
#include "manage/purchase_centres.h"
#include "manage/purchase_screen.h"
#include "manage/sponsors_screen.h"
#include "match/match_screen.h"
#include "records/about_screen.h"
#include "records/records_screen.h"
#include "saves/profile_screen.h"
#include "tools/screenshots/sample_career.h"
#include "tools/screenshots/stand_ins.h"
#include "ui/platform.h"

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

void fillPlayerScreen(Profile& profile, const PlayerDetails& details) {
    profile.setName(details.name);
    profile.setCity(details.city);
    profile.setState(details.state);
    profile.setCountry(details.country);
    const int skills[] = {details.batting, details.bowling, details.fielding};
    for (int i = 0; i < 3; ++i) profile.slider(i)->setValue(skills[i]);
    profile.setAutoSave(details.autoSave);
}

// A purchase screen's scroll bars hold minus the units.
void chooseUnits(PurchaseScreen& screen, std::initializer_list<int> units) {
    int row = 0;
    for (int count : units) screen.scrollBar(row++)->setValue(-count);
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
    IdleHost host;
    Platform platform{prompter, random, opener, QString()};
    bool allWritten = true;
    const auto picture = [&](QWidget& screen, const char* name) {
        allWritten = writePicture(screen, folder, QString::fromLatin1(name)) && allWritten;
    };

    About credits(opener);
    picture(credits, "credits");

    Profile profile(prompter);
    fillPlayerScreen(profile, sampleDetails());
    picture(profile, "player");

    MainScreen main(platform, host, sampleDetails());
    playSampleSeason(main.career(), prompter, random);
    picture(main, "main");
    main.show();

    MatchScreen match(main.career(), platform, &main);
    picture(match, "match");

    const std::pair<const PurchaseCentre*, const char*> centres[] = {
        {&purchase_centres::training(), "training"},
        {&purchase_centres::store(), "store"},
        {&purchase_centres::health(), "health"}};
    for (const auto& [centre, name] : centres) {
        PurchaseScreen screen(*centre, main.career().record, prompter, &main);
        // Training offers far more than the bank holds: show an order the
        // player can pay for.
        if (centre == &purchase_centres::training()) chooseUnits(screen, {4, 3, 2});
        picture(screen, name);
    }

    SponsorsScreen sponsorsScreen(main.career().record, &main);
    picture(sponsorsScreen, "sponsors");

    picture(*main.recordsScreen(), "record-book");
    return allWritten ? 0 : 1;
}
