#pragma once

#include <QString>

// The folder that holds the save files, for saving and for the Load dialog
// alike: Saves beside the program when the program's folder can hold it,
// otherwise Saves in the user's application data folder, so that a game
// installed system-wide still saves. The folder itself is not created here.
QString savesFolder(const QString& programFolder);
