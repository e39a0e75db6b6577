// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/career_file.h"

#include "game/money.h"
#include "game/ratings.h"
#include "game/saturating.h"
#include "saves/file_numbers.h"
#include "saves/file_words.h"

namespace {

// The lines are checked before they are read, so every number line holds a
// number that fits its width.
double number(const SaveFile& file, int line) {
    double value = 0;
    parseFileNumber(file.line(line), value);
    return value;
}

std::int16_t whole16(const SaveFile& file, int line) {
    return round16(number(file, line));
}

std::int32_t whole32(const SaveFile& file, int line) {
    return round32(number(file, line));
}

Skills skillsAt(const SaveFile& file, int firstLine) {
    return {whole16(file, firstLine), whole16(file, firstLine + 1), whole16(file, firstLine + 2)};
}

// The ten lines of a level's statistics, in record-book order.
enum Row {
    matchesRow,
    runsRow,
    wicketsRow,
    catchesRow,
    highestScoreRow,
    battingAverageRow,
    fiftiesRow,
    hundredsRow,
    mostWicketsRow,
    fiveWicketHaulsRow
};

LevelStatistics statisticsAt(const SaveFile& file, Level level) {
    const auto line = [level](Row row) { return saveLine::recordBook(levelIndex(level), row); };
    LevelStatistics s;
    s.matches = whole16(file, line(matchesRow));
    s.runs = whole32(file, line(runsRow));
    s.wickets = whole32(file, line(wicketsRow));
    s.catches = whole32(file, line(catchesRow));
    s.highestScore = whole32(file, line(highestScoreRow));
    s.battingAverage = BattingAverage::asWritten(file.line(line(battingAverageRow)));
    s.fifties = whole32(file, line(fiftiesRow));
    s.hundreds = whole32(file, line(hundredsRow));
    s.mostWickets = whole32(file, line(mostWicketsRow));
    s.fiveWicketHauls = whole32(file, line(fiveWicketHaulsRow));
    return s;
}

void putStatistics(SaveFile& file, Level level, const LevelStatistics& s,
                   const QString& decimalPoint) {
    const auto put = [&file, level](Row row, const QString& text) {
        file.setLine(saveLine::recordBook(levelIndex(level), row), text);
    };
    put(matchesRow, QString::number(s.matches));
    put(runsRow, QString::number(s.runs));
    put(wicketsRow, QString::number(s.wickets));
    put(catchesRow, QString::number(s.catches));
    put(highestScoreRow, QString::number(s.highestScore));
    put(battingAverageRow, s.battingAverage.text(decimalPoint));
    put(fiftiesRow, QString::number(s.fifties));
    put(hundredsRow, QString::number(s.hundreds));
    put(mostWicketsRow, QString::number(s.mostWickets));
    put(fiveWicketHaulsRow, QString::number(s.fiveWicketHauls));
}

void putSkills(SaveFile& file, int firstLine, const Skills& skills) {
    file.setLine(firstLine, QString::number(skills.batting));
    file.setLine(firstLine + 1, QString::number(skills.bowling));
    file.setLine(firstLine + 2, QString::number(skills.fielding));
}

}  // namespace

SaveFile saveFileOf(const Career& career, bool autoSave) {
    SaveFile file;
    const auto put = [&file](int line, const QString& text) { file.setLine(line, text); };
    put(saveLine::header, saveFileHeader);
    put(saveLine::player, career.player);
    put(saveLine::cityTeam, career.teams.city);
    put(saveLine::stateTeam, career.teams.state);
    put(saveLine::nationTeam, career.teams.nation);
    putSkills(file, saveLine::skills, career.skills);
    put(saveLine::autoSave, autoSave ? QStringLiteral("1") : QStringLiteral("0"));
    putSkills(file, saveLine::startingSkills, career.startingSkills);
    put(saveLine::clubTeam, career.teams.club);
    put(saveLine::team, career.team);
    put(saveLine::role, categoryWord(category(career.skills)));
    put(saveLine::sponsor, sponsorInFile(career.sponsor));
    put(saveLine::matchfee, moneyText(career.matchFee));
    put(saveLine::sponsorship, moneyText(career.sponsorship));
    put(saveLine::otherincome, moneyText(career.otherIncome));
    put(saveLine::bankbalance, moneyText(career.bankBalance));
    const std::int16_t conditions[7] = {career.gear.bat,    career.gear.gloves,  career.gear.pads,
                                        career.gear.others, career.body.fitness, career.body.health,
                                        career.body.stamina};
    for (int i = 0; i < 7; ++i) put(saveLine::conditions + i, QString::number(conditions[i]));
    // Every figure is written the same way under every locale, the batting
    // average with a decimal point, so that any reader loads what was saved.
    const QString decimalPoint = QStringLiteral(".");
    for (const Level level : allLevels) {
        putStatistics(file, level, career.recordBook[levelIndex(level)], decimalPoint);
    }
    put(saveLine::level, levelWord(career.level));
    return file;
}

PlayerDetails detailsFromSave(const SaveFile& file) {
    PlayerDetails details;
    details.name = file.line(saveLine::player);
    details.city = file.line(saveLine::cityTeam);
    details.state = file.line(saveLine::stateTeam);
    details.country = file.line(saveLine::nationTeam);
    details.skills = skillsAt(file, saveLine::skills);
    details.autoSave = number(file, saveLine::autoSave) == 1;
    return details;
}

namespace {

// Every value of the file after the player's details and the club he drops
// back to.
void takeSavedValues(Career& career, const SaveFile& file) {
    career.startingSkills = skillsAt(file, saveLine::startingSkills);
    career.teams.club = file.line(saveLine::clubTeam);
    career.team = file.line(saveLine::team);
    career.sponsor = sponsorFromFile(file.line(saveLine::sponsor));
    career.matchFee = number(file, saveLine::matchfee);
    career.sponsorship = number(file, saveLine::sponsorship);
    career.otherIncome = number(file, saveLine::otherincome);
    career.bankBalance = number(file, saveLine::bankbalance);
    const auto condition = [&file](int k) { return whole16(file, saveLine::conditions + k); };
    career.gear = {condition(0), condition(1), condition(2), condition(3)};
    career.body = {condition(4), condition(5), condition(6)};
    for (const Level level : allLevels) {
        career.recordBook[levelIndex(level)] = statisticsAt(file, level);
    }
    career.level = levelFromWord(file.line(saveLine::level)).value_or(Level::club);
}

}  // namespace

Career careerFromSave(const SaveFile& file, RandomSource& random) {
    Career career = startCareer(detailsFromSave(file), random);
    takeSavedValues(career, file);
    return career;
}

Career careerInSave(const SaveFile& file) {
    const PlayerDetails details = detailsFromSave(file);
    Career career;
    career.player = details.name;
    career.skills = details.skills;
    career.teams =
        Teams{file.line(saveLine::clubTeam), details.city, details.state, details.country};
    takeSavedValues(career, file);
    return career;
}

AutoSave autoSaveFromSave(const SaveFile& file, const QString& fileName) {
    return AutoSave{detailsFromSave(file).autoSave, fileName};
}
