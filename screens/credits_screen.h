// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <array>

class QLabel;
class CommandButton;
class PictureButton;
class Prompter;
class UrlOpener;

// The credits screen: title, version and credits, a word about the
// advertisers and their two banners. The program starts on it, where
// Continue leads on to the player screen, and the main menu's About shows it
// again, where Continue only closes it.
class CreditsScreen : public QDialog {
    Q_OBJECT
  public:
    enum Mode { atStartUp, fromMenu };

    static const std::array<QString, 2> bannerAddresses;

    // The prompter tells the player of a banner whose page could not be opened.
    CreditsScreen(Mode mode, UrlOpener& opener, Prompter& prompter, QWidget* owner = nullptr);

    Mode mode() const { return mode_; }

    CommandButton* continueButton() const { return continue_; }
    PictureButton* banner(int index) const { return banners_.at(index); }

    void setVisible(bool visible) override;

  signals:
    // Continue at start-up: the player screen is wanted before this one closes.
    void continuedAtStartUp();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void continueOn();
    void openBanner(int index);
    void completeForFirstPaint();

    Mode mode_;
    UrlOpener& opener_;
    Prompter& prompter_;
    QLabel* crest_;
    std::array<PictureButton*, 2> banners_{};
    CommandButton* continue_;
};
