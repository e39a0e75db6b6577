#include <QApplication>

#include "records/career_screens.h"
#include "ui/desktop_url_opener.h"
#include "ui/message_prompter.h"
#include "ui/pictures.h"
#include "ui/platform.h"
#include "ui/system_random.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Bailcrest"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(gameIcon());

    MessagePrompter prompter;
    SystemRandom random;
    DesktopUrlOpener opener;
    Platform platform{prompter, random, opener, QApplication::applicationDirPath()};

    CareerScreens screens(platform);
    QObject::connect(&screens, &CareerScreens::programEnding, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    screens.start();
    return application.exec();
}
