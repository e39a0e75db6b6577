// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <type_traits>
#include <utility>

#include "game/career.h"
#include "game/history.h"
#include "session/career_session.h"

// The career in play, its history and its files, for the windows that show
// them. Every change goes through update(), which hands the change the
// career's session; changed() then tells each window that follows the
// career, when the career or its history did change.
class CareerInPlay : public QObject {
    Q_OBJECT
  public:
    explicit CareerInPlay(CareerSession session, QObject* parent = nullptr)
        : QObject(parent), session_(std::move(session)) {}
    explicit CareerInPlay(Career career, CareerHistory history = {}, HistoryLeftOut leftOut = {})
        : CareerInPlay(CareerSession(std::move(career), AutoSave{}, SaveTarget{},
                                     std::move(history), leftOut)) {}

    const Career& career() const { return session_.career(); }
    const CareerHistory& history() const { return session_.history(); }
    const CareerSession& session() const { return session_; }

    // Runs the change on the session (or, for a change that takes the career
    // alone, on the career: a change no rule makes), then tells the windows.
    // Gives what the change gives.
    template <typename Change>
    decltype(auto) update(Change&& change) {
        const Career before = session_.career();
        const std::size_t matchesBefore = session_.history().rows().size();
        const auto notifyIfChanged = [&] {
            if (session_.career() != before || session_.history().rows().size() != matchesBefore)
                emit changed();
        };
        if constexpr (std::is_invocable_v<Change, CareerSession&>) {
            if constexpr (std::is_void_v<std::invoke_result_t<Change, CareerSession&>>) {
                std::forward<Change>(change)(session_);
                notifyIfChanged();
            } else {
                auto result = std::forward<Change>(change)(session_);
                notifyIfChanged();
                return result;
            }
        } else {
            session_.changeCareer(std::forward<Change>(change));
            notifyIfChanged();
        }
    }

  signals:
    void changed();

  private:
    CareerSession session_;
};
