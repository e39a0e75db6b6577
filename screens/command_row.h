// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

class QHBoxLayout;
class CommandButton;

// A command at the end of a row of commands under a window laid out by Qt:
// the game's silver button, as wide as its caption needs in any language,
// chosen by its keys from anywhere in the window.
CommandButton* addCommand(QHBoxLayout* row, const QString& objectName, const QString& caption,
                          const QList<QKeySequence>& keys);
