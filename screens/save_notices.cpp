// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/save_notices.h"

#include "game/shown_numbers.h"
#include "screens/prompter.h"

QString SaveNotices::failureText(const SaveFailure& failure) {
    return tr("Your career could not be saved as %1: %2. The earlier save "
              "file, if there is one, is unchanged.")
        .arg(shownPath(failure.path), failure.reason);
}

QString SaveNotices::keptText(const KeptFile& kept) {
    //: %1 is a file of the game's Saves folder, %2 the name it is kept under.
    return tr("The file %1 was not as this game last left it: another program changed it, "
              "or it holds what this career cannot use. It is kept unchanged as %2, and "
              "your career is saved in its place.")
        .arg(shownPath(kept.file), shownPath(kept.keptAs));
}

void SaveNotices::show(Prompter& prompter, QWidget* owner,
                       const std::optional<SaveFailure>& failure,
                       const std::vector<KeptFile>& keptAside) {
    if (failure) prompter.notice(owner, failureText(*failure));
    for (const KeptFile& kept : keptAside) prompter.notice(owner, keptText(kept));
}
