// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Arbitrary text through the item reader: every item as text and as a number.
#include <cstddef>
#include <cstdint>
#include <string>

#include "ItemReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Two bytes a code unit, so every UTF-16 value (lone surrogates too) can occur.
    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));

    bellmora::ItemReader reader(text);
    std::u16string item;
    float number = 0;
    for (bool asNumber = size % 2 == 1; !reader.AtEnd(); asNumber = !asNumber) {
        if (asNumber) {
            reader.ReadNumber(number);  // a non-number is consumed like any item
        } else if (!reader.ReadText(item)) {
            __builtin_trap();  // reading text before the end never fails
        }
    }
    return 0;
}
