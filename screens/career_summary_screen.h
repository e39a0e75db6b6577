// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <optional>

#include "game/career_summary.h"
#include "saves/card_picture.h"
#include "saves/file_names.h"

class CareerCard;
class CommandButton;
class Prompter;

// The end of a career: its card, which the player may keep as a picture
// beside the save, and the way to the History window, before he is asked
// whether he plays again. Not modal, so the History window it opens can be
// read beside it; closing it goes on.
class CareerSummaryScreen : public QDialog {
    Q_OBJECT
  public:
    // savePath is the save the picture goes beside, or under a name of its
    // own when the career is not being saved there (saves/card_picture.h);
    // empty when the career has no folder to save it in.
    CareerSummaryScreen(const CareerSummary& summary, const QString& savePath, bool beingSaved,
                        Prompter& prompter, QWidget* owner);

    CareerCard* card() const { return card_; }
    CommandButton* savePictureCommand() const { return savePicture_; }
    CommandButton* historyCommand() const { return history_; }
    CommandButton* continueCommand() const { return continue_; }
    // Where its commands stand on the desktop, which a window beside it
    // leaves in sight.
    QRect commandsOnDesktop() const;

  signals:
    void historyRequested();

  private:
    void savePicture();

    QString savePath_;
    bool beingSaved_ = false;
    std::optional<WrittenCard> written_;
    Prompter& prompter_;
    CareerCard* card_ = nullptr;
    CommandButton* savePicture_ = nullptr;
    CommandButton* history_ = nullptr;
    CommandButton* continue_ = nullptr;
};
