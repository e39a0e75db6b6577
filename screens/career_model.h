#pragma once

#include <QObject>
#include <utility>

#include "game/career.h"

// The career in play, for the windows that show it. Every change goes through
// update(), after which changed() tells each window that follows the career,
// when the career did change.
class CareerModel : public QObject {
    Q_OBJECT
  public:
    explicit CareerModel(Career career, QObject* parent = nullptr)
        : QObject(parent), career_(std::move(career)) {}

    const Career& career() const { return career_; }

    // Runs the change on the career, then tells the windows.
    template <typename Change>
    void update(Change&& change) {
        const Career before = career_;
        std::forward<Change>(change)(career_);
        if (career_ != before) emit changed();
    }

  signals:
    void changed();

  private:
    Career career_;
};
