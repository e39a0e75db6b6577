// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A write past the process's file-size limit (ulimit -f) would end the game
// at once with SIGXFSZ. With the signal ignored the write fails instead, and
// the game tells it as it tells a full disk, the earlier save kept.
void failWritesPastTheFileSizeLimit();
