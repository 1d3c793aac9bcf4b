// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ItemReader.h"

#include <cmath>
#include <limits>

#include "NumberText.h"

namespace bellmora {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }
bool IsLineEnd(char16_t c) { return c == u'\r' || c == u'\n'; }
bool IsSeparator(char16_t c) { return c == u',' || IsLineEnd(c); }

}  // namespace

bool ItemReader::ReadText(std::u16string& item) {
    if (AtEnd()) return false;
    item.clear();
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;

    std::size_t end = pos_;
    if (pos_ < text_.size() && text_[pos_] == u'"') {
        // A quoted item runs to the next quote, line ends and commas included; an
        // unclosed one runs to the end of the text.
        const std::size_t open = pos_ + 1;
        std::size_t close = text_.find(u'"', open);
        if (close == std::u16string_view::npos) close = text_.size();
        item.assign(text_.substr(open, close - open));
        end = close < text_.size() ? close + 1 : close;
        // Whatever stands between the closing quote and the separator is dropped.
        while (end < text_.size() && !IsSeparator(text_[end])) ++end;
    } else {
        while (end < text_.size() && !IsSeparator(text_[end])) ++end;
        std::size_t last = end;
        // Blanks before a separator are not part of the item: nobody can see them to type.
        while (last > pos_ && IsBlank(text_[last - 1])) --last;
        item.assign(text_.substr(pos_, last - pos_));
    }

    pos_ = end;
    if (pos_ < text_.size()) {
        // Consume the separator; CR LF is one line end.
        const char16_t separator = text_[pos_++];
        if (separator == u'\r' && pos_ < text_.size() && text_[pos_] == u'\n') ++pos_;
    }
    return true;
}

bool ItemReader::ReadNumber(float& value) {
    std::u16string item;
    if (!ReadText(item)) return false;
    const std::optional<double> number = ParseNumber(item);
    if (!number) return false;
    // Beyond single precision is an overflow, a read failure like any other.
    if (!std::isfinite(*number) || std::fabs(*number) > std::numeric_limits<float>::max())
        return false;
    value = static_cast<float>(*number);
    return true;
}

}  // namespace bellmora
