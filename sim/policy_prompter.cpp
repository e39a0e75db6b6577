#include "sim/policy_prompter.h"

#include "ui/random_source.h"

PolicyPrompter::PolicyPrompter(RandomSource& random, double bribeAcceptance)
    : random_(random), bribeAcceptance_(bribeAcceptance) {}

void PolicyPrompter::notice(const QString& text) {
    ++shown_[text];
    lastNotice_ = text;
}

bool PolicyPrompter::question(const QString& text) {
    ++shown_[text];
    if (text == bookieOffer) return random_.draw() < bribeAcceptance_;
    if (text != playAgainQuestion) unexpected_ << QStringLiteral("question \"%1\"").arg(text);
    return false;
}

QString PolicyPrompter::chooseFileToOpen(const QString& title, const QString&, const QString&) {
    unexpected_ << QStringLiteral("file dialog \"%1\"").arg(title);
    return QString();
}
