// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QtGlobal>
#include <functional>
#include <optional>

// How many bytes this process read while `work` ran, from Linux's own count
// (rchar in /proc/self/io), or nothing where the system keeps no such count.
// A test that a huge file is refused unread asks this rather than a clock,
// which a loaded machine slows.
inline std::optional<qint64> bytesReadWhile(const std::function<void()>& work) {
    const auto readSoFar = []() -> std::optional<qint64> {
        QFile counts(QStringLiteral("/proc/self/io"));
        if (!counts.open(QIODevice::ReadOnly)) return std::nullopt;
        for (const QByteArray& line : counts.readAll().split('\n')) {
            if (line.startsWith("rchar:")) return line.mid(6).trimmed().toLongLong();
        }
        return std::nullopt;
    };
    const std::optional<qint64> before = readSoFar();
    work();
    const std::optional<qint64> after = readSoFar();
    if (!before || !after) return std::nullopt;
    return *after - *before;
}
