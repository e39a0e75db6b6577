// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

#include "game/start_career.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QScrollBar;
class CommandButton;
class Prompter;
class SpokenNotice;

// The player screen: name, home city, state and country, three starting
// skills and the auto-save choice of a new cricketer. Start hands the details
// on once all four texts are filled in; Load and Exit are for the program
// around it to answer. Every new screen starts from empty fields and zero skills.
class PlayerScreen : public QWidget {
    Q_OBJECT
  public:
    enum Command { Start, Exit, Load, commandCount };

    explicit PlayerScreen(Prompter& prompter);

    // The details a new career starts from. The skills are those the
    // displays show: set by the sliders, or by a loaded career.
    PlayerDetails details() const;

    // Shows the details of a saved career as it is loaded. The sliders stay
    // where they were.
    void showDetails(const PlayerDetails& details);

    QLineEdit* textField(int index) const { return texts_.at(index); }
    QScrollBar* slider(int index) const { return sliders_.at(index); }
    QLabel* skillDisplay(int index) const { return displays_.at(index); }
    QLabel* overallDisplay() const { return overall_; }
    QCheckBox* autoSaveBox() const { return autoSave_; }
    CommandButton* command(Command index) const { return commands_.at(index); }

  signals:
    // Start with every text filled in.
    void startRequested();
    void loadRequested();
    void hallOfFameRequested();
    // Exit, or the window's close box: nothing is left to go on with.
    void exitRequested();
    // Escape: back to the screen before this one.
    void backRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildDetails();
    void buildSkills();
    void buildAutoSave();
    void buildCommands();
    void sliderChanged(int index);
    void showSkills();
    void start();

    Prompter& prompter_;
    std::array<QLineEdit*, 4> texts_{};
    std::array<QScrollBar*, 3> sliders_{};
    std::array<QLabel*, 3> displays_{};
    Skills skills_;
    QLabel* overall_ = nullptr;
    SpokenNotice* skillNotice_ = nullptr;
    QCheckBox* autoSave_ = nullptr;
    std::array<CommandButton*, commandCount> commands_{};
    CommandButton* hallOfFame_ = nullptr;
};
