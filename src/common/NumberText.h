// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace bellmora {

// Number texts are locale-free: "." is the decimal point whatever the user's settings.
// The formatters give an empty text for an infinity or a NaN; callers keep those out of
// every list line, record and label. Zero, and a value that rounds to zero, has no sign.

// Pattern "0.00" / "0.000": at least one digit before the point and exactly `decimals`
// after it. The value is rounded as its shortest decimal form shows it (in its own
// precision), halves away from zero.
std::u16string FormatFixed(float value, int decimals);
std::u16string FormatFixed(double value, int decimals);

// General number text of a single-precision value: at most seven significant digits,
// no trailing zeros, no point for a whole number, "0." before a fraction, no exponent.
std::u16string FormatGeneral(float value);

// A double in the fewest characters that give it back, plain decimal notation ("45.6",
// "100", "0.293"), as record files hold it. A whole number beyond 2^53 shows the digits
// of its exact value rather than zeros after its shortest digits.
std::u16string FormatShortest(double value);

// Reads an optional minus sign, digits and an optional "." with fraction digits (".5"
// is a number). Anything else, no digit at all, or a value beyond double precision is
// not a number.
std::optional<double> ParseNumber(std::u16string_view text);

}  // namespace bellmora
