#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "core/career.h"
#include "core/career_record.h"
#include "core/play_host.h"
#include "core/start_up.h"

class QLabel;
class CommandButton;
class RecordsScreen;
class CareerHost;
struct Platform;

// The application window of a career: every field of the record, always
// current, and the menu from which every other screen and the next match are
// reached. It owns the career and its record book for the career's life.
class MainScreen : public QWidget, public PlayHost {
    Q_OBJECT
  public:
    enum Command { About, Exit, Sponsors, Store, Training, Play, Records, Health, commandCount };

    MainScreen(Platform& platform, CareerHost& host, const PlayerDetails& details);
    ~MainScreen() override;

    Career& career() { return career_; }
    Platform& platform() { return platform_; }
    RecordsScreen* recordsScreen() const { return records_; }
    CommandButton* command(Command index) const { return commands_.at(index); }
    QLabel* fieldLabel(Field field) const { return labels_.at(static_cast<int>(field)); }
    QWidget* conditionBar(int index) const { return conditionBars_.at(index); }
    QWidget* accessoriesBar() const { return accessoriesBar_; }
    QWidget* healthBar() const { return healthBar_; }

    // Ends the career after its last message: asks "Do you want to play
    // again?" and hands over to a fresh player screen or ends the program.
    void endCareer() override;

    // Opens the match screen over the main screen and returns once the match
    // has been applied.
    void playMatch() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildProfile();
    void buildLevelStats();
    void buildFinance();
    void buildConditions();
    void buildMenu();
    QLabel* addField(QWidget* frame, Field field, const QString& captionText, int left, int top,
                     int captionWidth, int valueWidth);
    QWidget* addBar(QWidget* frame, const QString& objectName, int left, int top);
    void showField(Field field);
    void runCommand(Command command);
    void showCredits();
    void showSponsors();
    void showStore();
    void showTraining();
    void showHealth();
    void play();

    Platform& platform_;
    CareerHost& host_;
    Career career_;
    RecordsScreen* records_ = nullptr;
    std::array<QLabel*, fieldCount> labels_{};
    std::array<QWidget*, 7> conditionBars_{};
    QWidget* accessoriesBar_ = nullptr;
    QWidget* healthBar_ = nullptr;
    std::array<CommandButton*, commandCount> commands_{};
    bool careerOver_ = false;
};
