#pragma once

// What the rules of Play need from the screens around them.
class PlayHost {
  public:
    virtual ~PlayHost() = default;

    // Opens the match screen modally and returns once the match has been
    // applied to the career and the screen has closed.
    virtual void playMatch() = 0;

    // Asks "Do you want to play again?" and hands over to a fresh player
    // screen or ends the program. The career is finished when this returns:
    // the caller must not touch it again.
    virtual void endCareer() = 0;
};
