#pragma once

// What the main screen asks of the program around it when a career is over.
class CareerHost {
  public:
    virtual ~CareerHost() = default;

    // Exit, the close box, or No to "Do you want to play again?".
    virtual void endProgram() = 0;

    // Yes to "Do you want to play again?": a fresh player screen replaces the career.
    virtual void playAgain() = 0;
};
