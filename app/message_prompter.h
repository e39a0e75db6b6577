#pragma once

#include "screens/prompter.h"

// Message boxes and the file dialog of the desktop, owned by the active window.
class MessagePrompter final : public Prompter {
  public:
    void notice(const QString& text) override;
    bool question(const QString& text, Answer byDefault) override;
    QString chooseFileToOpen(const QString& title, const QString& folder,
                             const QString& filter) override;
};
