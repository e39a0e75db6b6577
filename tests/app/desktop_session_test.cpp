// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktop_session.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

QStringList seen;

void remember(QtMsgType, const QMessageLogContext& context, const QString& text) {
    seen << QString::fromUtf8(context.category ? context.category : "") + QLatin1Char(':') + text;
}

// Qt's messages while the application is made reach the handler before the
// watch, in order and with their category, once the watch ends.
TEST(DesktopSessionWatch, PassesOnWhatQtSaidOnceTheApplicationIsMade) {
    seen.clear();
    const QtMessageHandler before = qInstallMessageHandler(remember);
    {
        DesktopSessionWatch watch;
        qWarning("could not connect to display");
        qInfo("a second");
        EXPECT_TRUE(seen.isEmpty());
    }
    qWarning("after");
    qInstallMessageHandler(before);
    EXPECT_EQ(seen,
              (QStringList{QStringLiteral("default:could not connect to display"),
                           QStringLiteral("default:a second"), QStringLiteral("default:after")}));
}

TEST(DesktopSessionWatch, KnowsQtsLastWordOnFindingNoPlatform) {
    EXPECT_TRUE(isNoPlatformMessage(
        QtFatalMsg, QStringLiteral("This application failed to start because no Qt platform "
                                   "plugin could be initialized. Reinstalling the application "
                                   "may fix this problem.")));
    EXPECT_TRUE(isNoPlatformMessage(
        QtFatalMsg, QStringLiteral("Could not find the Qt platform plugin \"wayland\" in \"\"")));
    EXPECT_FALSE(
        isNoPlatformMessage(QtWarningMsg, QStringLiteral("Could not load the Qt platform plugin")));
    EXPECT_FALSE(isNoPlatformMessage(QtFatalMsg, QStringLiteral("ASSERT failure")));
}

TEST(DesktopSessionWatch, SaysWhatTheGameNeedsInEnglishWhereTheDesktopSpeaksIt) {
    EXPECT_TRUE(needsDesktopSessionText().contains(QLatin1String("(X11 or Wayland)")));
}

}  // namespace
