// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "app/desktop_url_opener.h"
#include "app/file_size_signal.h"
#include "app/message_prompter.h"
#include "app/no_user_settings.h"
#include "app/screen_navigator.h"
#include "app/system_random.h"
#include "app/translations.h"
#include "screens/pictures.h"
#include "screens/platform.h"

int main(int argc, char* argv[]) {
    failWritesPastTheFileSizeLimit();
    keepNoUserSettings();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Bailcrest"));
    // Desktops match the window to its menu entry and icon by this name.
    QApplication::setDesktopFileName(QStringLiteral("com.example.bailcrest"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(gameIcon());
    installDesktopTranslation(application);

    MessagePrompter prompter;
    SystemRandom random;
    DesktopUrlOpener opener;
    Platform platform{prompter, random, opener, QApplication::applicationDirPath()};

    ScreenNavigator navigator(platform);
    QObject::connect(&navigator, &ScreenNavigator::programEnding, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    navigator.start();
    return application.exec();
}
