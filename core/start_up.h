#pragma once

#include <QString>

struct Career;
class RandomSource;

// What the player screen hands to the main screen when a career starts.
struct PlayerDetails {
    QString name;
    QString city;
    QString state;
    QString country;
    int batting = 0;
    int bowling = 0;
    int fielding = 0;
    int autoSave = 0;
};

// The auto-save file name of a player: the first five characters of the
// name in lower case, then "_auto.bsg". Characters that no file name may hold
// on Windows or Linux become "_", so no name can lead a save out of its folder.
QString saveFileName(const QString& playerName);

// Fills a fresh career from the player's details: name, record book name,
// save-file name, auto-save flag, skills (current and starting), the club drawn
// at random and the team names of every level.
void startCareer(Career& career, const PlayerDetails& details, RandomSource& random);
