// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_platform.h"

#include <gtest/gtest.h>

namespace {

void expectOwner(std::vector<QWidget*>& owners, QWidget* owner, const QString& text) {
    EXPECT_NE(owner, nullptr) << "a message without an owner: " << text.toStdString();
    owners.push_back(owner);
}

}  // namespace

void ScriptedPrompter::notice(QWidget* owner, const QString& text) {
    expectOwner(owners, owner, text);
    notices << text;
    messages << text;
}

void ScriptedPrompter::noticeWithDetails(QWidget* owner, const QString& text,
                                         const QString& details) {
    notice(owner, text);
    noticeDetails << details;
}

bool ScriptedPrompter::question(QWidget* owner, const QString& text, Answer byDefault) {
    expectOwner(owners, owner, text);
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

QString ScriptedPrompter::chooseFileToOpen(QWidget* owner, const QString& title,
                                           const QString& folder, const QString& filter) {
    expectOwner(owners, owner, title);
    dialogs << title + QLatin1Char('|') + folder + QLatin1Char('|') + filter;
    if (chosenFiles.empty()) return QString();
    const QString file = chosenFiles.front();
    chosenFiles.pop_front();
    return file;
}
