#pragma once

struct Career;
class Prompter;
class RandomSource;
class PlayHost;

// The day of a match the player was selected for. Before one match in thirty
// a bookie offers Rs. 50000 to play badly; a player who takes it keeps the
// money but is caught one time in three, which ends his career. Otherwise the
// match screen opens.
void ShowMatch(Career& career, Prompter& prompter, RandomSource& random, PlayHost& host);
