// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QTimer>
#include <optional>

#include "app/command_line.h"
#include "app/desktop_session.h"
#include "app/desktop_url_opener.h"
#include "app/file_size_signal.h"
#include "app/message_prompter.h"
#include "app/no_user_settings.h"
#include "app/screen_navigator.h"
#include "app/system_random.h"
#include "app/translations.h"
#include "screens/install_location.h"
#include "screens/look.h"
#include "screens/pictures.h"
#include "screens/platform.h"

int main(int argc, char* argv[]) {
    if (const std::optional<int> answered = answerHelpOrVersion(argc, argv)) return *answered;
    failWritesPastTheFileSizeLimit();
    keepNoUserSettings();
    std::optional<DesktopSessionWatch> watch(std::in_place);
    QApplication application(argc, argv);
    watch.reset();
    if (!argumentsAreKnown(application)) return 2;
    QApplication::setApplicationName(QStringLiteral("Bailcrest"));
    // Desktops match the window to its menu entry and icon by this name.
    QApplication::setDesktopFileName(QStringLiteral(BAILCREST_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(gameIcon());
    const QString whyEnglish = installReadableDesktopTranslation(application);
    look::useLanguageFonts();

    MessagePrompter prompter;
    SystemRandom random;
    DesktopUrlOpener opener;
    // An installed game keeps its saves in the player's own folder; a copy
    // anywhere else beside itself.
    Platform platform{
        prompter, random, opener,
        folderForSavesBesideTheProgram(QApplication::applicationDirPath(), builtLayout())};

    ScreenNavigator navigator(platform);
    QObject::connect(&navigator, &ScreenNavigator::programEnding, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    navigator.start();
    // Told once, over the first screen, as soon as it is up.
    if (!whyEnglish.isEmpty())
        QTimer::singleShot(0, &navigator,
                           [&] { prompter.notice(navigator.creditsScreen(), whyEnglish); });
    return application.exec();
}
