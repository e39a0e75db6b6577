#include "support/scripted_platform.h"

#include <gtest/gtest.h>

bool ScriptedPrompter::question(const QString& text, Answer byDefault) {
    questions << text;
    questionDefaults.push_back(byDefault);
    messages << text;
    if (answers.empty()) {
        ADD_FAILURE() << "unscripted question: " << text.toStdString();
        return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

QString ScriptedPrompter::chooseFileToOpen(const QString& title, const QString& folder,
                                           const QString& filter) {
    dialogs << title + QLatin1Char('|') + folder + QLatin1Char('|') + filter;
    if (chosenFiles.empty()) return QString();
    const QString file = chosenFiles.front();
    chosenFiles.pop_front();
    return file;
}
