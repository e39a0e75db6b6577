#pragma once

struct Career;
class Prompter;
class PlayHost;

// The player was not selected at the level the selection check started from.
// A club player's career ends with the play-again question; anyone else goes
// down one level with the lower match fee, fully restored gear and body and no
// sponsorship income. Either way he can be picked for the World Cup again.
void DropPlayer(Career& career, Prompter& prompter, PlayHost& host);
