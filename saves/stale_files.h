// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

// A copy of the game killed while it wrote a file leaves the hidden
// temporary file it was writing beside it, which nothing else would ever
// remove. At start the game removes those of the Saves folder, only the ones
// it names itself (file_names.h) and only when no copy can still be writing
// them: untouched for an hour. Gives how many it removed.
int removeStaleTemporaryFiles(const QString& folder,
                              const QDateTime& now = QDateTime::currentDateTimeUtc());
