// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "app/translations.h"

namespace {

void describeGame(QCommandLineParser& parser) {
    QCoreApplication::setApplicationName(QStringLiteral("Bailcrest"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BAILCREST_VERSION));
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Bailcrest, a cricket-career game: take a cricketer from club cricket to the World Cup."));
    parser.addHelpOption();
    parser.addVersionOption();
}

bool asksForText(const char* argument) {
    const QByteArray option(argument);
    return option == "-h" || option == "--help" || option == "--help-all" || option == "-v" ||
           option == "--version";
}

}  // namespace

std::optional<int> answerHelpOrVersion(int argc, char* argv[]) {
    bool asked = false;
    for (int i = 1; i < argc && !asked; ++i) asked = asksForText(argv[i]);
    if (!asked) return std::nullopt;
    // Text alone: the core application needs no display.
    QCoreApplication application(argc, argv);
    installDesktopTranslation(application);
    QCommandLineParser parser;
    describeGame(parser);
    // Prints the text asked for, or what is wrong, and ends the program.
    parser.process(application);
    return 0;
}

bool argumentsAreKnown(const QCoreApplication& application) {
    if (QCoreApplication::arguments().size() <= 1) return true;
    QCommandLineParser parser;
    describeGame(parser);
    parser.process(application);
    if (parser.positionalArguments().isEmpty()) return true;
    //: On the command line: %1 is what was typed after the program's name.
    const QString text =
        QCoreApplication::translate("CommandLine", "Bailcrest takes no arguments: %1.")
            .arg(parser.positionalArguments().join(QLatin1Char(' ')));
    std::fprintf(stderr, "%s\n", qPrintable(text));
    return false;
}
