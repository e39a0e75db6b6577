// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// Drives the screens into the message boxes and questions they raise through
// the prompter, each built as the player sees it and handed to `visit` with a
// name of what raised it: "Please fill in…" on the player screen, a purchase
// short of money at each centre, a match whose save or history fails, the
// questions about another career's save and a career open in another copy, the
// Load dialog's refusals, and the notices and questions of Play. Questions are
// answered No. Returns the names of what raised nothing though it should have.
QStringList raiseMessages(const std::function<void(QWidget& box, const QString& name)>& visit);

// What the messages quote that no translation touches: the name of the other
// career's player, the damaged save's words.
QStringList quotedInMessages();
