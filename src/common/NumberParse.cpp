// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <charconv>
#include <string>

#include "NumberText.h"

namespace bellmora {

std::optional<double> ParseNumber(std::u16string_view text) {
    // Check the whole pattern first: from_chars alone would accept a prefix, exponents
    // and "inf".
    std::string ascii;
    ascii.reserve(text.size());
    bool digit = false;
    bool point = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= u'0' && c <= u'9') {
            digit = true;
        } else if (c == u'.' && !point) {
            point = true;
        } else if (!(c == u'-' && i == 0)) {
            return std::nullopt;
        }
        ascii.push_back(static_cast<char>(c));
    }
    if (!digit) return std::nullopt;

    double value = 0;
    const auto [end, ec] =
        std::from_chars(ascii.data(), ascii.data() + ascii.size(), value, std::chars_format::fixed);
    if (ec != std::errc() || end != ascii.data() + ascii.size()) return std::nullopt;
    return value;
}

}  // namespace bellmora
