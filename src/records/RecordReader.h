// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
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

// The runs of a record file's text, oldest first. A record is one line of five items; a
// line that does not hold exactly that is damaged and skipped, so that the runs appended
// after it stay readable. Blank lines are passed over.
std::vector<StoredRun> ParseRecords(std::u16string_view text);

// The runs of the named record file; none when it is missing or cannot be read.
std::vector<StoredRun> ReadRecords(TextFiles& files, const std::u16string& fileName);

}  // namespace bellmora
