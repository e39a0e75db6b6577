// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/file_size_signal.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

void failWritesPastTheFileSizeLimit() {
#ifdef Q_OS_UNIX
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}
