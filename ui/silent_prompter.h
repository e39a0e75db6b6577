#pragma once

#include "ui/prompter.h"

// For tools that play the rules without a person: shows nothing, answers
// every question No and chooses no file.
class SilentPrompter final : public Prompter {
  public:
    void notice(const QString&) override {}
    bool question(const QString&) override { return false; }
    QString chooseFileToOpen(const QString&, const QString&, const QString&) override {
        return QString();
    }
};
