// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/file_size_signal.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <csignal>

#include "saves/save_career.h"
#include "support/save_fixtures.h"

namespace {

// Saves a career under a file-size limit of 256 bytes in a child process, as
// `ulimit -f` sets it; the child's wait status.
int saveUnderAFileSizeLimit(bool signalIgnored, const QString& folder) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        if (signalIgnored) failWritesPastTheFileSizeLimit();
        const rlimit limit{256, 256};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const auto failure = saveCareer(midCareer(), midCareerAutoSave(), folder);
        ::_exit(failure && failure->reason == QStringLiteral("File too large") ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

// Past the limit the game goes on and is told why the save failed, as with a
// full disk; without the signal ignored the write would end it.
TEST(FileSizeLimit, AWritePastTheLimitFailsInsteadOfEndingTheGame) {
    QTemporaryDir folder;
    const int ignored = saveUnderAFileSizeLimit(true, folder.path());
    ASSERT_TRUE(WIFEXITED(ignored));
    EXPECT_EQ(WEXITSTATUS(ignored), 0);

    const int notIgnored = saveUnderAFileSizeLimit(false, folder.path());
    ASSERT_TRUE(WIFSIGNALED(notIgnored));
    EXPECT_EQ(WTERMSIG(notIgnored), SIGXFSZ);
}

}  // namespace
