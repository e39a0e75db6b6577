#pragma once

#include <QString>
#include <optional>

#include "saves/save_file.h"

struct Career;
struct MatchContext;
struct Platform;
class Prompter;

// The save file of a career after a confirmed match: the team names and the
// three skills from the match screen's copy, everything else from the career
// and its record book.
SaveFile saveFileOf(const MatchContext& context, const Career& career);

// Writes the file into the folder, created when missing, under the name. The
// new file replaces an earlier one of that name in a single step once it is
// complete on disk, so a failed save leaves the earlier file as it was. A
// file that could not be loaded again is not written. Gives the reason of a
// failure.
std::optional<QString> writeSaveFile(const QString& folder, const QString& fileName,
                                     const SaveFile& file);

// Writes the career's save file into the folder under the match screen's file
// name; a save that fails is told to the player, with the reason.
void saveCareer(const QString& folder, const MatchContext& context, const Career& career,
                Prompter& prompter);

// Writes the career's save file after a confirmed match, into the Saves
// folder, when the auto-save flag of the match screen's copy is 1. With any
// other flag nothing is written and no folder is created.
void storeData(const MatchContext& context, const Career& career, const Platform& platform);
