// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "Text.h"

namespace bellmora {

namespace {

// Seven significant digits: what a single-precision value shows in its general text.
constexpr int kGeneralDigits = 7;

// A finite value in decimal: ±0.d1d2…dn × 10^point. `digits` has no leading or
// trailing zero and is empty for zero; `point` counts the digits before the point.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int point = 0;
};

// The shortest decimal form that gives the value back in its own precision. Going
// through it, rather than the exact binary value, makes 1.2625 round to 1.263 and a
// float read back from "0.293" show 0.293 again. to_chars ignores the locale.
template <typename T>
DecimalDigits ShortestDigits(T value) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    (void)ec;  // 64 characters hold any float or double in scientific form
    const std::string_view text(buf, static_cast<std::size_t>(end - buf));

    DecimalDigits d;
    std::size_t i = 0;
    if (text[i] == '-') {
        d.negative = true;
        ++i;
    }
    for (; text[i] != 'e'; ++i)
        if (text[i] != '.') d.digits.push_back(text[i]);
    ++i;
    if (text[i] == '+') ++i;
    int exponent = 0;
    std::from_chars(text.data() + i, text.data() + text.size(), exponent);
    d.point = exponent + 1;
    if (d.digits == "0") d.digits.clear();
    return d;
}

// Keeps the first `keep` digits (counted from the first significant one), rounding the
// rest away with halves away from zero.
void RoundAt(DecimalDigits& d, int keep) {
    if (keep < 0) d.digits.clear();
    if (keep < 0 || static_cast<std::size_t>(keep) >= d.digits.size()) return;
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        while (!d.digits.empty() && d.digits.back() == '9') d.digits.pop_back();
        if (d.digits.empty()) {
            d.digits = "1";
            ++d.point;
        } else {
            ++d.digits.back();
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
}

char DigitAt(const DecimalDigits& d, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= d.digits.size()) return '0';
    return d.digits[static_cast<std::size_t>(index)];
}

// Plain decimal notation, never an exponent. `decimals` < 0 writes as many fraction
// digits as the value has (and no point for a whole number). Zero has no sign.
std::u16string Render(const DecimalDigits& d, int decimals) {
    const int size = static_cast<int>(d.digits.size());
    const int fraction = decimals >= 0 ? decimals : std::max(0, size - d.point);
    std::string out;
    if (d.negative && !d.digits.empty()) out += '-';
    if (d.point <= 0) out += '0';
    for (int i = 0; i < d.point; ++i) out += DigitAt(d, i);
    if (fraction > 0) out += '.';
    for (int i = 0; i < fraction; ++i) out += DigitAt(d, d.point + i);
    return Widen(out);
}

template <typename T>
std::u16string Fixed(T value, int decimals) {
    if (!std::isfinite(value)) return {};
    DecimalDigits d = ShortestDigits(value);
    RoundAt(d, d.point + decimals);
    return Render(d, decimals);
}

}  // namespace

std::u16string FormatFixed(float value, int decimals) { return Fixed(value, decimals); }

std::u16string FormatFixed(double value, int decimals) { return Fixed(value, decimals); }

std::u16string FormatGeneral(float value) {
    if (!std::isfinite(value)) return {};
    DecimalDigits d = ShortestDigits(value);
    RoundAt(d, kGeneralDigits);
    return Render(d, -1);
}

std::u16string FormatShortest(double value) {
    if (!std::isfinite(value)) return {};
    if (value == 0) return u"0";  // and not "-0"
    // Plain notation needs up to 327 characters, for the smallest subnormal.
    char buf[340];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    (void)ec;
    return Widen(std::string_view(buf, static_cast<std::size_t>(end - buf)));
}

}  // namespace bellmora
