#pragma once

#include <QString>
#include <functional>

#include "core/start_up.h"
#include "saves/save_file.h"

struct Career;
class Prompter;

// Reads and checks the save file at the path: the whole file is checked before
// anything of it is used, and at most maxSaveFileBytes of it are read.
SaveFileReading readSaveFile(const QString& path);

// Lines 2 to 9 as the player screen hands them to the main screen: name,
// city, state, country, the three skills and the auto-save flag.
PlayerDetails detailsFromSave(const SaveFile& file);

// The rest of a loaded career, over the career that the main screen has just
// started from detailsFromSave(): starting skills, club and current team,
// category, sponsor, money, conditions, the record book, the level with its
// statistics, and the file name later saves use. The club drawn at the start
// stays the club the career drops back to, and the World Cup flag stays 0.
void applySave(const SaveFile& file, Career& career, const QString& fileNameWithoutFolder);

// What loading needs of the screens around it.
struct LoadHooks {
    // Shows the loaded name, city, state, country, skills and auto-save flag
    // on the player screen.
    std::function<void(const PlayerDetails&)> showOnPlayerScreen;
    // Starts the main screen on the details exactly as the player screen's
    // Start does (which closes the player screen) and returns its career.
    std::function<Career&(const PlayerDetails&)> startMainScreen;
};

inline const QString loadDialogTitle = QStringLiteral("Bailcrest: Load Game");
inline const QString loadDialogFilter = QStringLiteral("Bailcrest Saves (*.bsg)");

// The player screen's Load: lets the player choose a save file in the saves
// folder and continues that career. A cancelled dialog changes nothing; a
// file that is not a save file, or is damaged, is refused with a notice and
// changes nothing either. True when a career was loaded.
bool LoadData(Prompter& prompter, const QString& savesFolder, const LoadHooks& hooks);
