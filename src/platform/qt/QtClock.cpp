// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtClock.h"

#include <QDateTime>
#include <QTime>

namespace bellmora {

float QtClock::SecondsSinceMidnight() {
    return ClockSeconds(QTime::currentTime().msecsSinceStartOfDay());
}

LocalDateTime QtClock::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

}  // namespace bellmora
