#pragma once

struct Career;
class Prompter;
class RandomSource;
class PlayHost;

// What Play does. A player whose overall skill reaches 150, or whose batting
// or bowling reaches 200, is promoted to the next level (at the top, picked
// for the World Cup) and plays no match this time. Otherwise a player below
// the level's skill or fielding threshold, with a worn-out accessory or an
// exhausted fitness, health or stamina is told why and dropped; anyone else
// goes on to the match day.
void CheckData(Career& career, Prompter& prompter, RandomSource& random, PlayHost& host);
