// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bellmora {

// A stretch of a phrase and its reading in hiragana: a run of kanji with what it reads, or
// a run of kana with itself. The guide marks a reading as typed a whole part at a time.
struct ReadingPart {
    int length = 0;  // in the text, in UTF-16 code units
    std::u16string reading;
};

// What an input method converts at once: a word with the particles and endings after it
// (吾輩は, 猫である), with its reading.
struct Phrase {
    int begin = 0;  // 0-based, in UTF-16 code units
    int length = 0;
    bool hasKanji = false;  // a phrase of kana only needs no reading shown
    std::vector<ReadingPart> parts;
};

// Where the readings of the current text stand.
enum class ReadingsState : std::uint8_t {
    None,         // no text loaded yet
    Pending,      // asked for, not come yet
    Ready,        // phrases hold them
    Unavailable,  // no analyser installed
};

// What the guide beside the next character shows.
struct ReadingGuide {
    std::u16string reading;       // the phrase's reading; empty for kana, symbols and digits
    std::size_t readingDone = 0;  // how much of it is typed
    std::u16string keys;          // the romaji of the reading, or the key for a symbol
    std::size_t keysDone = 0;
    std::u16string note;  // one line instead of both, when readings cannot be had
    friend bool operator==(const ReadingGuide&, const ReadingGuide&) = default;
};

}  // namespace bellmora
