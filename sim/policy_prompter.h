#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include "ui/prompter.h"

class RandomSource;

// Answers the game's questions as the simulated player would: the bookie's
// offer Yes with a small probability, "Do you want to play again?" No. Every
// message is counted; a question or dialog the player has no answer for is
// noted as unexpected, and answered No.
class PolicyPrompter final : public Prompter {
  public:
    PolicyPrompter(RandomSource& random, double bribeAcceptance);

    void notice(const QString& text) override;
    bool question(const QString& text) override;
    QString chooseFileToOpen(const QString& title, const QString& folder,
                             const QString& filter) override;

    // How often each message was shown, over all careers.
    const QHash<QString, long long>& shown() const { return shown_; }
    const QString& lastNotice() const { return lastNotice_; }
    const QStringList& unexpected() const { return unexpected_; }

  private:
    RandomSource& random_;
    double bribeAcceptance_;
    QHash<QString, long long> shown_;
    QString lastNotice_;
    QStringList unexpected_;
};

inline const QString bookieOffer =
    QStringLiteral("A bookie offers you Rs. 50000 if you play badly. Accept the offer?");
inline const QString playAgainQuestion = QStringLiteral("Do you want to play again?");
inline const QString caughtNotice =
    QStringLiteral("You're found guilty of match fixing in an enquiry. Your career is over.");
