// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace bellmora {

// Reads comma- and line-separated items from a whole file's text. Commas and line ends
// (CR LF, a lone CR, a lone LF) separate items alike.
class ItemReader {
public:
    explicit ItemReader(std::u16string_view text) : text_(text) {}

    // True when no character is left.
    bool AtEnd() const { return pos_ >= text_.size(); }

    // The next item as text; false (a read failure) when the text is at its end.
    bool ReadText(std::u16string& item);

    // The next item as a number in single precision; false when at the end, when the
    // item is not a number, or when it does not fit single precision.
    bool ReadNumber(float& value);

private:
    std::u16string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace bellmora
