// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the game's start: the smallest Qt Widgets program that
// shows a window. tools/measure-startup starts it and the game the same way
// and compares their time to the first window and their peak memory.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal window"));
    window.resize(400, 300);
    window.show();
    return application.exec();
}
