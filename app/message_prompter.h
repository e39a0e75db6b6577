// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "screens/prompter.h"

class QMessageBox;

// The message box of a notice (information icon, OK) and of a question (Yes
// and No, Escape answering No), titled with the game's name, as the player
// sees them; not yet shown. A file name longer than a line breaks where it
// must, invisibly, rather than running past the box's edge.
std::unique_ptr<QMessageBox> noticeBox(QWidget* owner, const QString& text);
std::unique_ptr<QMessageBox> questionBox(QWidget* owner, const QString& text,
                                         Prompter::Answer byDefault);

// Message boxes and the file dialog of the desktop, owned by the window that asks.
class MessagePrompter final : public Prompter {
  public:
    void notice(QWidget* owner, const QString& text) override;
    void noticeWithDetails(QWidget* owner, const QString& text, const QString& details) override;
    bool question(QWidget* owner, const QString& text, Answer byDefault) override;
    QString chooseFileToOpen(QWidget* owner, const QString& title, const QString& folder,
                             const QString& filter) override;
    QString chooseCareerToLoad(QWidget* owner, const QString& title, const QString& folder,
                               const QString& filter, const QString& readOnlyFolder) override;
};
