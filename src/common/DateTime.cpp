// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DateTime.h"

namespace bellmora {

namespace {
void AppendTwoDigits(std::u16string& out, int value) {
    value %= 100;
    if (value < 0) value += 100;
    out.push_back(static_cast<char16_t>(u'0' + value / 10));
    out.push_back(static_cast<char16_t>(u'0' + value % 10));
}
}  // namespace

float ClockSeconds(std::int32_t millisecondsSinceMidnight) {
    // The quotient in double precision is within 2^-53 of the exact seconds, while no
    // count of milliseconds in a day lies within 2^-34 of the middle between two floats;
    // so rounding it to single precision gives the float nearest the exact value.
    return static_cast<float>(millisecondsSinceMidnight / 1000.0);
}

std::u16string FormatDateTime(const LocalDateTime& when) {
    std::u16string out;
    out.reserve(17);
    AppendTwoDigits(out, when.year);
    out += u'/';
    AppendTwoDigits(out, when.month);
    out += u'/';
    AppendTwoDigits(out, when.day);
    out += u' ';
    AppendTwoDigits(out, when.hour);
    out += u':';
    AppendTwoDigits(out, when.minute);
    out += u':';
    AppendTwoDigits(out, when.second);
    return out;
}

}  // namespace bellmora
