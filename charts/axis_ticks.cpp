// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/axis_ticks.h"

#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

// The step between ticks, and the first tick within the axis.
struct Steps {
    double step = 0;
    double start = 0;
};

Steps stepsOf(const AxisTicks& ticks) {
    if (!ticks.dynamic)
        return {(ticks.max - ticks.min) / std::max(1, ticks.tickCount - 1), ticks.min};
    if (ticks.interval <= 0) return {0, ticks.min};
    // A tick falls at the anchor and every interval either side of it.
    return {ticks.interval,
            ticks.anchor +
                std::ceil((ticks.min - ticks.anchor) / ticks.interval - 1e-9) * ticks.interval};
}

}  // namespace

int tickCount(const AxisTicks& ticks) {
    const Steps steps = stepsOf(ticks);
    if (steps.step <= 0) return 1;
    return static_cast<int>(std::floor((ticks.max - steps.start) / steps.step + 1e-9)) + 1;
}

AxisTicks atMost(const AxisTicks& ticks, int most) {
    most = std::max(2, most);
    const int count = tickCount(ticks);
    if (count <= most) return ticks;
    const Steps steps = stepsOf(ticks);
    AxisTicks fewer = ticks;
    fewer.dynamic = true;
    fewer.anchor = steps.start;
    fewer.interval = steps.step * std::ceil(static_cast<double>(count - 1) / (most - 1));
    return fewer;
}

void setTicks(QValueAxis* axis, const AxisTicks& ticks) {
    axis->setRange(ticks.min, ticks.max);
    axis->setTickCount(ticks.tickCount);
    if (ticks.dynamic) {
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(ticks.anchor);
        axis->setTickInterval(ticks.interval);
    } else {
        axis->setTickType(QValueAxis::TicksFixed);
    }
}
