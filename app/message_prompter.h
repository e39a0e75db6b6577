#pragma once

#include "screens/prompter.h"

// Message boxes and the file dialog of the desktop, owned by the window that asks.
class MessagePrompter final : public Prompter {
  public:
    void notice(QWidget* owner, const QString& text) override;
    bool question(QWidget* owner, const QString& text, Answer byDefault) override;
    QString chooseFileToOpen(QWidget* owner, const QString& title, const QString& folder,
                             const QString& filter) override;
};
