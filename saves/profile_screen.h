#pragma once

#include <QWidget>
#include <array>

#include "core/start_up.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QScrollBar;
class CommandButton;
class Prompter;

// The player screen: name, home city, state and country, three starting
// skills and the auto-save choice of a new cricketer. Start hands the details
// on once all four texts are filled in; Load and Exit are for the program
// around it to answer. Every new screen starts from empty fields and zero skills.
class Profile : public QWidget {
    Q_OBJECT
  public:
    enum Command { Start, Exit, Load, commandCount };

    explicit Profile(Prompter& prompter);

    // The details as the main screen's start-up reads them: the skills come
    // from the value displays, not from the sliders.
    PlayerDetails details() const;

    // Filled in by loading a saved career before it starts.
    void setName(const QString& text);
    void setCity(const QString& text);
    void setState(const QString& text);
    void setCountry(const QString& text);
    void setSkillDisplay(int index, const QString& text);
    void setAutoSave(int value);

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
    // Exit, or the window's close box: nothing is left to go on with.
    void exitRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildDetails();
    void buildSkills();
    void buildAutoSave();
    void buildCommands();
    void sliderChanged(int index);
    void CheckData();

    Prompter& prompter_;
    std::array<QLineEdit*, 4> texts_{};
    std::array<QScrollBar*, 3> sliders_{};
    std::array<QLabel*, 3> displays_{};
    QLabel* overall_ = nullptr;
    QCheckBox* autoSave_ = nullptr;
    std::array<CommandButton*, commandCount> commands_{};
};
