// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CareerSession;
class Prompter;
class QWidget;

// When a career with auto-save on starts: tells the player when another copy
// of the game plays the same career (this one then does not save), and asks
// before its saves would replace a file that is not its own. The answer that
// keeps the file is the one Enter and Escape give; it is kept for the game.
void settleSaveClaim(CareerSession& session, Prompter& prompter, QWidget* owner);
