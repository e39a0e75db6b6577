// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

class QCoreApplication;

// The game reads no command line of its own beyond --help and --version; Qt
// reads its options (-platform, -style, ...) when the application starts.

// Answers --help, --help-all or --version on standard output, in the
// desktop's language, without a display: returns the exit status then, and
// nothing when the game is to start.
std::optional<int> answerHelpOrVersion(int argc, char* argv[]);

// Once Qt has taken its own options: whether nothing is left that the game
// does not know. An unknown option ends the program with a message; other
// arguments are named on standard error, and false returned.
bool argumentsAreKnown(const QCoreApplication& application);
