// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class MainScreen;
class MatchScreen;

// Presses Play on the main screen with a match to come: once the match
// screen shows (in an event loop of its own), the test may read it, and then
// it is confirmed with OK.
void playMatchOnScreen(MainScreen& main, const std::function<void(MatchScreen&)>& read = {});

// Once Play has ended the career: the summary shows, and Continue closes it,
// after which the game asks whether to play again.
void continueFromCareerSummary(MainScreen& main);
