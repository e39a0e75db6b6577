// SPDX-License-Identifier: GPL-3.0-or-later
// A charts module of an earlier interface version, as one left behind by an
// older installation would be: the game must refuse it unread.
#include <QObject>
#include <QtPlugin>

class OtherVersionCharts : public QObject {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "io.github.bailcrest.HistoryChartPlugin/2")
};

#include "other_version_charts.moc"
