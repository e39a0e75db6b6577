// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstddef>

#include "game/random_source.h"
#include "screens/prompter.h"
#include "screens/url_opener.h"

// The platform as the screenshots need it: nothing is ever shown or opened,
// questions are answered No (the bookie's money is refused), and chance is a
// fixed round of draws, so every run pictures the same career.
class SilentPrompter final : public Prompter {
  public:
    void notice(QWidget*, const QString&) override {}
    bool question(QWidget*, const QString&, Answer) override { return false; }
    QString chooseFileToOpen(QWidget*, const QString&, const QString&, const QString&) override {
        return QString();
    }
    QString chooseCareerToLoad(QWidget*, const QString&, const QString&, const QString&,
                               const QString&) override {
        return QString();
    }
};

class FixedDraws final : public RandomSource {
  public:
    double draw() override {
        const double value = draws_[next_];
        next_ = (next_ + 1) % draws_.size();
        return value;
    }

  private:
    static constexpr std::array<double, 9> draws_{0.55, 0.31, 0.78, 0.46, 0.67,
                                                  0.22, 0.89, 0.40, 0.61};
    std::size_t next_ = 0;
};

class IdleOpener final : public UrlOpener {
  public:
    bool open(const QString&) override { return true; }
};
