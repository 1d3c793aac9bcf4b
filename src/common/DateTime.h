// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

namespace bellmora {

// The present local date and time, as the clock gives it.
struct LocalDateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Pattern "yy/mm/dd hh:nn:ss": every part two digits with a leading zero.
std::u16string FormatDateTime(const LocalDateTime& when);

// The clock reading for a time of day in whole milliseconds: the single-precision value
// nearest to the exact seconds, rounded once.
float ClockSeconds(std::int32_t millisecondsSinceMidnight);

// Seconds in a day: the clock reading (seconds since midnight) starts again here.
inline constexpr float kSecondsPerDay = 86400.0f;

}  // namespace bellmora
