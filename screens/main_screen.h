// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "game/career_summary.h"
#include "game/history.h"
#include "saves/auto_save.h"
#include "saves/history_file.h"
#include "saves/saves_folder.h"
#include "screens/remembered_place.h"
#include "session/play_on.h"

class QLabel;
class QShortcut;
class QSplitter;
class QTimer;
class CareerInPlay;
class CareerSummaryScreen;
class CommandButton;
class HistoryScreen;
class RecordsScreen;
class SpokenNotice;
struct Career;
struct Platform;

// The application window of a career: every figure of the career, always
// current, and the menu from which every other screen and the next match are
// reached. It owns the career and its record book for the career's life.
class MainScreen : public QWidget {
    Q_OBJECT
  public:
    enum Command {
        About,
        Exit,
        Sponsors,
        Store,
        Training,
        Play,
        Records,
        Health,
        History,
        HallOfFame,
        PlayOn,
        commandCount
    };

    // The career saves itself, with auto-save on, to the target's folder;
    // its history so far comes along.
    MainScreen(Platform& platform, Career career, AutoSave autoSave = {},
               SaveTarget saveTarget = {}, HistoryReading history = {});
    ~MainScreen() override;

    // Once shown: settles whether the career may save where it saves
    // (another copy playing it, another career's file there).
    void claimSaveFile();

    CareerInPlay& career() const { return *career_; }
    RecordsScreen* recordsScreen() const { return records_; }
    // The History window, once opened: a window of its own, which the main
    // screen keeps for the career, or a pane of this window where the
    // desktop cannot place a window beside it.
    HistoryScreen* historyScreen() const { return history_; }
    // The design's screen, in the first of the window's panes.
    QWidget* screenPane() const { return design_; }
    QSplitter* panes() const { return panes_; }
    // Where the player leaves the History window is kept in `place` rather
    // than with this career, so that the window of the next career played
    // in this run of the program opens there too.
    void keepHistoryPlaceIn(RememberedPlace& place) { historyPlace_ = &place; }
    // Where the commands stand on the desktop, which a window beside this
    // one leaves in sight.
    QRect commandsOnDesktop() const;
    CommandButton* command(Command index) const { return commands_.at(index); }
    // The summary shown once the career has ended, until it is closed.
    CareerSummaryScreen* careerSummary() const { return summary_; }
    // The run of Play on in progress, if one is.
    const PlayOnRun* run() const { return run_.get(); }
    // Starts a run as Play on does once its dialog is answered.
    void startRun(const PlayOnRules& rules);
    // Ends the run after the match in progress, as Escape or Stop does.
    void stopRun();
    // The line that follows the run, and its Stop command.
    QLabel* runProgress() const { return progress_; }
    CommandButton* stopCommand() const { return stop_; }
    // What tells a screen reader, after a match, what the match changed.
    SpokenNotice* changesNotice() const { return changesNotice_; }

  signals:
    // A run of Play on has ended and its news has been read.
    void runEnded();
    // The career is over and the player has answered "Do you want to play
    // again?". The window is hidden; the program decides what comes next.
    void careerEnded(bool playAgain);
    // Exit or the close box: the program ends without saving.
    void exitRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void tellChanges();

    // A value label and how it shows the career.
    struct Figure {
        QLabel* label;
        std::function<QString(const Career&)> text;
        QLabel* caption;
        // Its accessible description while no warning takes its place.
        QString description;
    };
    // A bar that follows a condition, always blue, or an overall condition,
    // which it shows green, or red when running low, as it does the label of
    // the overall value.
    struct Bar {
        QWidget* bar;
        int top;  // in twips
        std::function<int(const Career&)> value;
        QLabel* overallLabel;
    };

    void buildPanes();
    void buildProfile();
    void buildLevelStats();
    void buildFinance();
    void buildConditions();
    void buildMenu();
    QLabel* addFigure(QWidget* frame, const QString& objectName, const QString& captionText,
                      QRect captionPlace, QRect valuePlace,
                      std::function<QString(const Career&)> text);
    QLabel* addCondition(QWidget* frame, int row, const QString& objectName, const QString& barName,
                         const QString& captionText, std::function<int(const Career&)> value,
                         bool overall);
    void showCareer();
    void showSavingStatus();
    void showLevelName(Level level);
    // A command given here, or from the History window (`from`), to which
    // the keyboard then goes back.
    void runCommand(Command command, QWidget* from = nullptr);
    void openHistory();
    QRect keptInSight() const;
    void placeHistory();
    bool historyGoesInPane() const;
    void checkHistoryPlace();
    void showHistoryInPane();
    void focusHistoryPane();
    void fitScreenAlone();
    void placeWholeOnScreen();
    void detachHistory();
    void showCredits();
    void showHistory();
    void play();
    void playMatch();
    void endCareer(CareerEnding ending);
    void askPlayAgain();
    void showHallOfFame();
    void showDropWarnings();
    void buildRunLine();
    void playOn();
    void playNextOfRun();
    void showProgress();
    void endRun();
    void tellWhereSaved();

    Platform& platform_;
    CareerInPlay* career_;
    bool toldWhereSaved_ = false;
    RecordsScreen* records_ = nullptr;
    QSplitter* panes_ = nullptr;
    QWidget* design_ = nullptr;
    HistoryScreen* history_ = nullptr;
    // Whether the player detached the pane into a window, until it closes.
    bool historyDetached_ = false;
    // Runs while a History window just shown may yet be placed by the
    // window manager.
    QTimer* historyPlaceWatch_ = nullptr;
    RememberedPlace ownHistoryPlace_;
    RememberedPlace* historyPlace_ = &ownHistoryPlace_;
    CareerSummaryScreen* summary_ = nullptr;
    QWidget* menu_ = nullptr;
    QLabel* levelName_ = nullptr;
    // What the last match changed, to be told as the keyboard comes back here.
    SpokenNotice* changesNotice_ = nullptr;
    QString pendingChanges_;
    std::vector<Figure> figures_;
    std::vector<Bar> bars_;
    std::array<CommandButton*, commandCount> commands_{};
    QLabel* savingStatus_ = nullptr;
    // The figures the drop warning may mark, by the figure it names.
    std::vector<std::pair<Shortfall::Figure, std::size_t>> warnedFigures_;
    std::unique_ptr<PlayOnRun> run_;
    QTimer* runStep_ = nullptr;
    QTimer* announceProgress_ = nullptr;
    QLabel* progress_ = nullptr;
    CommandButton* stop_ = nullptr;
    QShortcut* stopKey_ = nullptr;
    bool savedInRun_ = false;
};
