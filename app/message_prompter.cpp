#include "app/message_prompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {
const QString applicationTitle = QStringLiteral("Bailcrest");
}

void MessagePrompter::notice(const QString& text) {
    QMessageBox box(QMessageBox::Information, applicationTitle, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool MessagePrompter::question(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, applicationTitle, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString MessagePrompter::chooseFileToOpen(const QString& title, const QString& folder,
                                          const QString& filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, folder, filter);
}
