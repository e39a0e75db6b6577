// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QValueAxis;

// Where a chart's axis runs and how it is ticked: `tickCount` ticks from
// `min` to `max`, or, when `dynamic`, one every `interval` from `anchor`.
struct AxisTicks {
    double min = 0;
    double max = 1;
    int tickCount = 5;
    bool dynamic = false;
    double interval = 1;
    double anchor = 0;
};

// How many ticks the axis shows.
int tickCount(const AxisTicks& ticks);

// The ticks thinned to at most `most` (at least 2), each a whole multiple of
// the planned step from the same first tick, so that the figures stay round.
AxisTicks atMost(const AxisTicks& ticks, int most);

// Sets the axis to the ticks; Qt Charts lays a chart out again only for what
// changed.
void setTicks(QValueAxis* axis, const AxisTicks& ticks);
