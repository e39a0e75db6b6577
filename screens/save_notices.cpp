// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/save_notices.h"

#include <QDir>

#include "screens/prompter.h"

void SaveNotices::tell(Prompter& prompter, QWidget* owner,
                       const std::optional<SaveFailure>& failure,
                       const std::vector<KeptFile>& keptAside) {
    if (failure) {
        prompter.notice(owner, tr("Your career could not be saved as %1: %2. The earlier save "
                                  "file, if there is one, is unchanged.")
                                   .arg(failure->path, failure->reason));
    }
    for (const KeptFile& kept : keptAside) {
        //: %1 is a file of the game's Saves folder, %2 the name it is kept under.
        prompter.notice(
            owner,
            tr("The file %1 was not as this game last left it: another program changed it, "
               "or it holds what this career cannot use. It is kept unchanged as %2, and "
               "your career is saved in its place.")
                .arg(QDir::toNativeSeparators(kept.file), QDir::toNativeSeparators(kept.keptAs)));
    }
}
