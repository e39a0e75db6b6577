// SPDX-License-Identifier: GPL-3.0-or-later
// Times opening the History window on a long career, as the player opens it:
// the window built, shown, and painted for the first time. Without a
// display it draws offscreen; under X it draws on the display.
//
//   bailcrest_history_window_timing [--runs N] [SAVE_FILE]
//
// Without a save file it plays a career of 32,767 matches through the rules
// in memory (a match count cannot go higher); with one, it loads the career
// and the history file beside it as Load does.
#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <vector>

#include "game/start_career.h"
#include "saves/career_file.h"
#include "saves/history_file.h"
#include "saves/save_career.h"
#include "saves/save_file_io.h"
#include "screens/career_in_play.h"
#include "screens/history/history_screen.h"
#include "session/load_career.h"
#include "tools/screenshots/sample_career.h"
#include "tools/screenshots/stand_ins.h"

namespace {

constexpr int longestCareer = 32767;

// Notes the first paint of each widget it watches.
class PaintWatch : public QObject {
  public:
    void watch(QWidget* widget) {
        widget->installEventFilter(this);
        ++waiting_;
    }
    bool allPainted() const { return waiting_ == 0; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            --waiting_;
        }
        return false;
    }

  private:
    int waiting_ = 0;
};

struct Opening {
    double built;
    double shown;
    double painted;
};

double milliseconds(const QElapsedTimer& timer) {
    return timer.nsecsElapsed() / 1e6;
}

Opening open(const CareerInPlay& career) {
    QElapsedTimer timer;
    timer.start();
    HistoryScreen screen(career, nullptr);
    const double built = milliseconds(timer);
    screen.show();
    const double shown = milliseconds(timer);
    PaintWatch painted;
    painted.watch(&screen);
    painted.watch(screen.table()->viewport());
    painted.watch(qobject_cast<QChartView*>(screen.chartView(historyChart::runs))->viewport());
    while (!painted.allPainted() && timer.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return {built, shown, painted.allPainted() ? milliseconds(timer) : -1};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QTextStream out(stdout);
    QStringList arguments = QApplication::arguments().mid(1);
    int runs = 7;
    if (arguments.size() >= 2 && arguments.front() == QStringLiteral("--runs")) {
        runs = std::max(2, arguments.at(1).toInt());
        arguments = arguments.mid(2);
    }

    FixedDraws draws;
    Career career;
    CareerHistory history;
    QString saveFile;
    QTemporaryDir folder;
    const bool throughFiles =
        !arguments.isEmpty() && arguments.front() == QStringLiteral("--through-files");
    if (arguments.isEmpty() || throughFiles) {
        QElapsedTimer playing;
        playing.start();
        career = startCareer(sampleDetails(), draws);
        playSampleCareer(career, history, draws, longestCareer);
        out << "career played in memory: " << history.rows().size() << " matches in "
            << milliseconds(playing) << " ms\n";
    } else {
        saveFile = arguments.front();
    }
    if (throughFiles) {
        const AutoSave autoSave = autoSaveOf(sampleDetails());
        saveFile = folder.filePath(autoSave.fileName);
        if (saveCareer(career, autoSave, folder.path()) ||
            writeHistoryFile(historyFilePath(saveFile), history)) {
            QTextStream(stderr) << "cannot write the career's files in " << folder.path() << '\n';
            return 1;
        }
    }
    if (!saveFile.isEmpty()) {
        QElapsedTimer reading;
        reading.start();
        CareerLoading loading = loadCareer(saveFile, QCoreApplication::applicationDirPath(), draws);
        if (!loading.loaded) {
            QTextStream(stderr) << "cannot read the save file " << saveFile << ": " << loading.error
                                << '\n';
            return 1;
        }
        career = std::move(loading.loaded->career);
        history = std::move(loading.loaded->history.history);
        out << "career and history file of " << QFileInfo(historyFilePath(saveFile)).size()
            << " bytes loaded in " << milliseconds(reading) << " ms: " << history.rows().size()
            << " matches\n";
    }
    CareerInPlay model(std::move(career), std::move(history));

    out << "platform " << QGuiApplication::platformName() << ", " << runs << " openings\n";
    std::vector<double> built;
    std::vector<double> shown;
    std::vector<double> painted;
    for (int run = 0; run < runs; ++run) {
        const Opening opening = open(model);
        out << "  opening " << run + 1 << ": built " << opening.built << " ms, shown "
            << opening.shown << " ms, first paint " << opening.painted << " ms\n";
        // The first opening pays for what Qt loads once; the others show the
        // window's own cost.
        if (run == 0) continue;
        built.push_back(opening.built);
        shown.push_back(opening.shown);
        painted.push_back(opening.painted);
    }
    out << "median of openings 2 to " << runs << ": built " << median(built) << " ms, shown "
        << median(shown) << " ms, first paint " << median(painted) << " ms; slowest first paint "
        << *std::max_element(painted.begin(), painted.end()) << " ms\n";
    return 0;
}
