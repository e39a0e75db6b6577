// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/history/chart_plugin.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QPluginLoader>

#include "screens/install_location.h"
#include "screens/look.h"

namespace historyChart {

QString name(Chart chart) {
    // The names are the charts' own texts, whichever side of the module
    // they are shown on.
    switch (chart) {
        case runs:
            return QCoreApplication::translate("HistoryCharts", "Runs");
        case wickets:
            return QCoreApplication::translate("HistoryCharts", "Wickets");
        case skills:
            return QCoreApplication::translate("HistoryCharts", "Skills");
        case bankBalance:
            return QCoreApplication::translate("HistoryCharts", "Bank balance");
        case condition:
            return QCoreApplication::translate("HistoryCharts", "Gear and health");
        case chartCount:
            break;
    }
    return QString();
}

}  // namespace historyChart

namespace {

const HistoryChartPlugin* linkedCharts() {
    const QObjectList linked = QPluginLoader::staticInstances();
    for (QObject* plugin : linked) {
        if (auto* charts = qobject_cast<HistoryChartPlugin*>(plugin)) return charts;
    }
    return nullptr;
}

}  // namespace

HistoryChartModule loadHistoryCharts(const QStringList& folders) {
    for (const QString& folder : folders) {
        const QString file = QDir(folder).filePath(QStringLiteral(BAILCREST_CHARTS_FILE));
        if (!QFileInfo(file).isFile()) continue;
        QPluginLoader loader(file);
        // Read from the module's metadata, before any of its code is run.
        const QString id = loader.metaData().value(QStringLiteral("IID")).toString();
        if (!id.isEmpty() && id != QLatin1String(HistoryChartPlugin_iid)) {
            qWarning("The charts module %s is of another version of the game (%s), not %s.",
                     qPrintable(file), qPrintable(id), HistoryChartPlugin_iid);
            return {nullptr, HistoryChartModule::otherVersion};
        }
        if (auto* charts = qobject_cast<HistoryChartPlugin*>(loader.instance())) {
            return {charts, HistoryChartModule::loaded};
        }
        qWarning("The charts module %s could not be loaded: %s", qPrintable(file),
                 qPrintable(loader.errorString()));
    }
    return {};
}

HistoryChartModule historyCharts() {
    static const HistoryChartModule charts = [] {
        if (const HistoryChartPlugin* linked = linkedCharts()) {
            return HistoryChartModule{linked, HistoryChartModule::loaded};
        }
        const QString folder =
            chartsModuleFolder(QCoreApplication::applicationDirPath(), builtLayout());
        if (folder.isEmpty()) return HistoryChartModule{};
        return loadHistoryCharts({folder});
    }();
    return charts;
}

ChartLook chartLook() {
    return {look::navy,       look::silver,        look::green,
            look::chartGrid,  look::font(false),   look::figuresFont(look::font(false)),
            look::font(true), look::font(true, 12)};
}
