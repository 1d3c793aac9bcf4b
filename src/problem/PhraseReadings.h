// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "Analyser.h"
#include "Platform.h"
#include "Reading.h"
#include "WindowState.h"

namespace bellmora {

// The phrases of a text as an input method converts them: each word that stands on its own
// with the particles, auxiliaries and suffixes after it, and a prefix with the word after
// it. Words without a reading (Latin, symbols, digits) and blanks belong to no phrase: their
// keys are shown one by one.
std::vector<Phrase> GroupPhrases(std::u16string_view text, const std::vector<Morpheme>& words);

// The guide for the character at 1-based position pos: the reading of its phrase, with
// what is typed of it before pos, and the keys; or the key of a character typed as it is.
ReadingGuide GuideAt(const WindowState& st, int pos);

// Shows the guide for the expected character.
void ShowGuide(const WindowState& st, Platform& p);

// A text has been loaded: forgets the readings of the last one and asks for its own.
void RequestReadings(WindowState& st, Platform& p);

// The readings of a text have come. Those of a text no longer loaded are dropped.
void OnReadingsReady(WindowState& st, Platform& p, const AnalysedText& analysed);

// What a screen reader says before the expected character: at the start of a phrase
// holding kanji its reading (吾輩は: わがはいは), so the typist knows what to convert;
// otherwise nothing.
std::u16string SpokenReading(const WindowState& st);

}  // namespace bellmora
