// SPDX-License-Identifier: GPL-3.0-or-later
// Time from Load to the list of careers on screen, for a Saves folder of 500
// careers (and a few files that are none): reading the folder alone, and the
// whole window built and shown.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>

#include "saves/career_file.h"
#include "saves/save_file_io.h"
#include "saves/saved_careers.h"
#include "screens/career_picker.h"
#include "screens/prompter.h"
#include "support/save_fixtures.h"

namespace {

constexpr int careers = 500;

// The list asks nothing until Browse… is pressed.
class NoQuestions final : public Prompter {
  public:
    void notice(QWidget*, const QString&) override {}
    bool question(QWidget*, const QString&, Answer) override { return false; }
    QString chooseFileToOpen(QWidget*, const QString&, const QString&, const QString&) override {
        return QString();
    }
    QString chooseCareerToLoad(QWidget*, const QString&, const QString&, const QString&,
                               const QString&) override {
        return QString();
    }
};

// A folder of careers of every name, each with the history file beside it
// that a played career keeps.
class Folder {
  public:
    Folder() {
        Career career = midCareer();
        for (int i = 0; i < careers; ++i) {
            career.player = QStringLiteral("Player %1").arg(i);
            career.bankBalance = i * 1000;
            const QString name = QStringLiteral("player%1_auto.bsg").arg(i);
            writeSaveFile(folder_.path(), name, saveFileOf(career, true));
            QFile history(folder_.path() + QStringLiteral("/player%1_auto.history.csv").arg(i));
            if (history.open(QIODevice::WriteOnly)) history.write(QByteArray(64 * 1024, 'x'));
        }
        QFile other(folder_.path() + QStringLiteral("/notes.bsg"));
        if (other.open(QIODevice::WriteOnly)) other.write("not a save");
    }
    QString path() const { return folder_.path(); }

  private:
    QTemporaryDir folder_;
};

const Folder& folder() {
    static const Folder made;
    return made;
}

void ListCareers(benchmark::State& state) {
    const QString path = folder().path();
    for (auto _ : state) {
        const std::vector<SavedCareer> listed = listSavedCareers(path);
        if (listed.size() != careers + 1) state.SkipWithError("not every file listed");
        benchmark::DoNotOptimize(listed);
    }
}
BENCHMARK(ListCareers)->Unit(benchmark::kMillisecond);

void ShowCareerPicker(benchmark::State& state) {
    const QString path = folder().path();
    NoQuestions prompter;
    for (auto _ : state) {
        CareerPicker picker(path, QStringLiteral("Load"), QStringLiteral("*.bsg"), prompter,
                            nullptr);
        picker.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(picker.table()->model()->rowCount());
    }
}
BENCHMARK(ShowCareerPicker)->Unit(benchmark::kMillisecond);

}  // namespace
