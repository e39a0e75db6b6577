// SPDX-License-Identifier: GPL-3.0-or-later
// Compiled into each program that has the charts linked in (the tests and
// the tools), so that the History window finds them without the module.
#include <QtPlugin>

Q_IMPORT_PLUGIN(ChartsPlugin)
