// SPDX-License-Identifier: GPL-3.0-or-later
// A second yardstick for the game's start: a minimal window that also draws
// a line of text, so that Qt's own cost of the first text (reading the font
// configuration, loading a font) is counted on both sides.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("Bailcrest"));
    window.setWindowTitle(QStringLiteral("Minimal window with text"));
    window.resize(400, 300);
    window.show();
    return application.exec();
}
