// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bellmora {

// One word of a text as a morphological analyser splits it.
struct Morpheme {
    std::size_t begin = 0;        // where the word starts in the text, in UTF-16 code units
    std::size_t length = 0;       // its length in the text, in UTF-16 code units
    std::u16string partOfSpeech;  // 名詞, 助詞, 助動詞 …
    std::u16string subclass;      // the first refinement: 接尾, 非自立 …; "*" when none
    std::u16string reading;  // in katakana, as it is written (は reads ハ); empty when unknown
};

// Splits Japanese text into words with their readings. Used from one thread at a time.
class Analyser {
public:
    virtual ~Analyser() = default;
    virtual std::vector<Morpheme> Analyse(std::u16string_view text) = 0;
};

// What an analysis of a text gave: the words, or nothing because no analyser is installed.
struct AnalysedText {
    std::u16string text;
    bool available = false;
    std::vector<Morpheme> morphemes;
};

// Has loaded texts analysed, away from the window's thread; the window hands the result to
// the logic (OnReadingsReady) when it comes. Loading the analyser waits for the first text.
class Readings {
public:
    virtual ~Readings() = default;
    virtual void Request(const std::u16string& text) = 0;
};

}  // namespace bellmora
