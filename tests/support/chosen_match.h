// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/match.h"
#include "session/career_session.h"

// Plays a match of the test's choosing through the session: it stands as the
// match drawn, and is confirmed as the match screen confirms a drawn one.
inline ConfirmedMatch confirmChosenMatch(CareerSession& session, const MatchPerformance& match) {
    session.setDrawnMatch(match);
    return session.confirmMatch();
}
