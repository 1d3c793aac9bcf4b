// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "TextFiles.h"

namespace bellmora {

// One run as its record file keeps it: the date text and the four figures, in single
// precision as they are read back.
struct StoredRun {
    std::u16string date;
    float moji = 0;
    float jikan = 0;
    float byou = 0;
    float byou2 = 0;
};

// What parse reads of each line of a text (a CR, an LF or both end one), in order. A line
// it cannot read (an empty optional) is damaged and passed over, so that the lines
// appended after it stay readable; blank lines are passed over too.
template <class Parse>
auto ParseEachLine(std::u16string_view text, Parse parse) {
    std::vector<typename std::invoke_result_t<Parse, std::u16string_view>::value_type> read;
    const auto lineEnd = [](char16_t c) { return c == u'\r' || c == u'\n'; };
    for (std::size_t start = 0, end = 0; start < text.size(); start = end + 1) {
        end = start;
        while (end < text.size() && !lineEnd(text[end])) ++end;
        if (end == start) continue;
        if (auto line = parse(text.substr(start, end - start))) read.push_back(std::move(*line));
    }
    return read;
}

// The runs of a record file's text, oldest first. A record is one line of five items; a
// line that does not hold exactly that is damaged and skipped, so that the runs appended
// after it stay readable. Blank lines are passed over.
std::vector<StoredRun> ParseRecords(std::u16string_view text);

// The runs of the named record file; none when it is missing or cannot be read.
std::vector<StoredRun> ReadRecords(TextFiles& files, const std::u16string& fileName);

}  // namespace bellmora
