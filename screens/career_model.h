#pragma once

#include <QObject>
#include <type_traits>
#include <utility>

#include "game/career.h"
#include "game/history.h"

// The career in play and its history, for the windows that show them. Every
// change goes through update(), after which changed() tells each window that
// follows the career, when the career or its history did change.
class CareerModel : public QObject {
    Q_OBJECT
  public:
    explicit CareerModel(Career career, CareerHistory history = {}, QObject* parent = nullptr)
        : QObject(parent), career_(std::move(career)), history_(std::move(history)) {}

    const Career& career() const { return career_; }
    const CareerHistory& history() const { return history_; }

    // Runs the change on the career (and its history, for a change that takes
    // both), then tells the windows.
    template <typename Change>
    void update(Change&& change) {
        const Career before = career_;
        const std::size_t matchesBefore = history_.rows().size();
        if constexpr (std::is_invocable_v<Change, Career&, CareerHistory&>) {
            std::forward<Change>(change)(career_, history_);
        } else {
            std::forward<Change>(change)(career_);
        }
        if (career_ != before || history_.rows().size() != matchesBefore) emit changed();
    }

  signals:
    void changed();

  private:
    Career career_;
    CareerHistory history_;
};
