// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktop_session.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

#include "app/translations.h"

namespace {

// A message with its context copied, as Qt's may not outlive the call.
struct HeldMessage {
    QtMsgType type;
    std::string file;
    int line;
    std::string function;
    std::string category;
    QString text;
};

// Qt's threads (the X11 connection's reader) may speak while the application
// is made.
std::mutex holding;
QtMessageHandler passedTo = nullptr;
std::vector<HeldMessage> held;

const char* orNull(const std::string& text) {
    return text.empty() ? nullptr : text.c_str();
}

void passOn(const HeldMessage& message) {
    const QMessageLogContext context(orNull(message.file), message.line, orNull(message.function),
                                     orNull(message.category));
    passedTo(message.type, context, message.text);
}

void holdOrExplain(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const auto copied = [](const char* value) { return std::string(value ? value : ""); };
    const std::lock_guard<std::mutex> lock(holding);
    held.push_back({type, copied(context.file), context.line, copied(context.function),
                    copied(context.category), text});
    if (!isNoPlatformMessage(type, text)) return;
    std::fprintf(stderr, "%s\n", qPrintable(needsDesktopSessionText()));
    std::fflush(stderr);
    for (const HeldMessage& message : held) passOn(message);
    std::fflush(stderr);
    // The application is half made: leave without running anything of it.
    std::_Exit(noDesktopSessionStatus);
}

}  // namespace

DesktopSessionWatch::DesktopSessionWatch() {
    const std::lock_guard<std::mutex> lock(holding);
    held.clear();
    passedTo = qInstallMessageHandler(holdOrExplain);
}

DesktopSessionWatch::~DesktopSessionWatch() {
    qInstallMessageHandler(passedTo);
    const std::lock_guard<std::mutex> lock(holding);
    for (const HeldMessage& message : held) passOn(message);
    held.clear();
}

bool isNoPlatformMessage(QtMsgType type, const QString& message) {
    return type == QtFatalMsg && message.contains(QLatin1String("platform plugin"));
}

QString needsDesktopSessionText() {
    //: On the command line, before Qt's own messages, when the game is started
    //: where no desktop can show its windows (a text console, a remote shell).
    return translatedForTheDesktop(
        "DesktopSession",
        QT_TRANSLATE_NOOP("DesktopSession",
                          "Bailcrest needs a desktop session (X11 or Wayland) to show its windows, "
                          "and found none. "
                          "Start it from a desktop; the messages below are Qt's."));
}
