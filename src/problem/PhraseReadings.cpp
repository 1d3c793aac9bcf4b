// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PhraseReadings.h"

#include <algorithm>

#include "Romaji.h"
#include "Text.h"
#include "TypingUnit.h"

namespace bellmora {

namespace {

bool HasKanaOrKanji(std::u16string_view s) {
    return std::any_of(s.begin(), s.end(), [](char16_t c) { return IsKana(c) || IsKanji(c); });
}

bool AllKana(std::u16string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), IsKana);
}

// Particles, auxiliaries, suffixes and dependent verbs and adjectives (いる of している)
// go with the word before them.
bool Attaches(const Morpheme& w) {
    if (w.partOfSpeech == u"助詞" || w.partOfSpeech == u"助動詞") return true;
    if (w.subclass == u"接尾") return true;
    return (w.partOfSpeech == u"動詞" || w.partOfSpeech == u"形容詞") && w.subclass == u"非自立";
}

// Splits a word into runs of kana and of kanji and gives each run its share of the reading:
// the kana read as themselves (生れ: 生 うま, れ れ). A word the runs do not fit stays whole.
class WordAligner {
public:
    WordAligner(std::u16string_view surface, std::u16string_view reading) : reading_(reading) {
        for (std::size_t at = 0; at < surface.size();) {
            std::size_t end = at + 1;
            while (end < surface.size() && IsKana(surface[end]) == IsKana(surface[at])) ++end;
            runs_.push_back({surface.substr(at, end - at), IsKana(surface[at])});
            at = end;
        }
        shares_.resize(runs_.size());
    }

    std::vector<ReadingPart> Parts() {
        if (!Fit(0, 0)) return {{static_cast<int>(Length()), std::u16string(reading_)}};
        std::vector<ReadingPart> parts;
        for (std::size_t i = 0; i < runs_.size(); ++i)
            parts.push_back({static_cast<int>(runs_[i].text.size()), std::u16string(shares_[i])});
        return parts;
    }

private:
    struct Run {
        std::u16string_view text;
        bool kana;
    };

    std::size_t Length() const {
        std::size_t n = 0;
        for (const Run& r : runs_) n += r.text.size();
        return n;
    }

    bool Fit(std::size_t run, std::size_t at) {
        if (run == runs_.size()) return at == reading_.size();
        const Run& r = runs_[run];
        if (r.kana) {
            const std::u16string kana = Hiragana(r.text);
            if (reading_.substr(at, kana.size()) != kana) return false;
            shares_[run] = reading_.substr(at, kana.size());
            return Fit(run + 1, at + kana.size());
        }
        for (std::size_t n = 1; at + n <= reading_.size(); ++n) {
            shares_[run] = reading_.substr(at, n);
            if (Fit(run + 1, at + n)) return true;
        }
        return false;
    }

    std::u16string_view reading_;
    std::vector<Run> runs_;
    std::vector<std::u16string_view> shares_;
};

const Phrase* PhraseAt(const std::vector<Phrase>& phrases, int index) {
    auto it = std::upper_bound(phrases.begin(), phrases.end(), index,
                               [](int i, const Phrase& ph) { return i < ph.begin; });
    if (it == phrases.begin()) return nullptr;
    --it;
    return index < it->begin + it->length ? &*it : nullptr;
}

}  // namespace

std::vector<Phrase> GroupPhrases(std::u16string_view text, const std::vector<Morpheme>& words) {
    std::vector<Phrase> phrases;
    std::size_t end = 0;
    bool open = false;
    bool afterPrefix = false;
    for (const Morpheme& w : words) {
        if (w.begin + w.length > text.size() || w.length == 0) continue;
        const std::u16string_view surface = text.substr(w.begin, w.length);
        if (!HasKanaOrKanji(surface) || (w.reading.empty() && !AllKana(surface))) {
            open = false;  // typed key by key, or not at all: no reading
            continue;
        }
        const std::u16string reading = Hiragana(w.reading.empty() ? surface : w.reading);
        if (!(open && w.begin == end && (afterPrefix || Attaches(w))))
            phrases.push_back({static_cast<int>(w.begin), 0, false, {}});
        Phrase& phrase = phrases.back();
        phrase.length = static_cast<int>(w.begin + w.length) - phrase.begin;
        phrase.hasKanji = phrase.hasKanji || std::any_of(surface.begin(), surface.end(), IsKanji);
        for (ReadingPart& part : WordAligner(surface, reading).Parts())
            phrase.parts.push_back(std::move(part));
        open = true;
        end = w.begin + w.length;
        afterPrefix = w.partOfSpeech == u"接頭詞";
    }
    return phrases;
}

ReadingGuide GuideAt(const WindowState& st, int pos) {
    ReadingGuide guide;
    if (st.readings == ReadingsState::Unavailable && !st.readingsNoteTold) {
        guide.note = u"読みには mecab-ipadic-utf8 が必要です";
        return guide;
    }
    const Phrase* phrase = PhraseAt(st.phrases, pos - 1);
    if (!phrase) {
        const std::u16string unit = TypingUnitAt(st.strMondai, pos);
        guide.keys = unit.size() == 1 && IsKana(unit.front()) ? Romaji(unit) : KeyFor(unit);
        if (guide.keys == unit) guide.keys.clear();  // typed as it shows: nothing to add
        return guide;
    }
    std::u16string reading;
    std::size_t done = 0;
    int at = phrase->begin;
    for (const ReadingPart& part : phrase->parts) {
        if (at + part.length <= pos - 1) done += part.reading.size();
        at += part.length;
        reading += part.reading;
    }
    for (const RomajiPiece& piece : RomajiPieces(reading)) {
        if (guide.readingDone < done) {
            guide.readingDone += piece.kana;
            guide.keysDone += piece.keys.size();
        }
        guide.keys += piece.keys;
    }
    // Kana need no reading: their keys say it all.
    if (phrase->hasKanji) guide.reading = std::move(reading);
    guide.readingDone = phrase->hasKanji ? done : 0;
    return guide;
}

void ShowGuide(const WindowState& st, Platform& p) { p.ui.ShowGuide(GuideAt(st, st.intPos)); }

void RequestReadings(WindowState& st, Platform& p) {
    if (st.readings == ReadingsState::Unavailable) st.readingsNoteTold = true;
    st.phrases.clear();
    st.readings = ReadingsState::Pending;
    p.readings.Request(st.strMondai);
}

void OnReadingsReady(WindowState& st, Platform& p, const AnalysedText& analysed) {
    if (st.readings != ReadingsState::Pending || analysed.text != st.strMondai) return;
    st.readings = analysed.available ? ReadingsState::Ready : ReadingsState::Unavailable;
    if (analysed.available) st.phrases = GroupPhrases(st.strMondai, analysed.morphemes);
    ShowGuide(st, p);
}

std::u16string SpokenReading(const WindowState& st) {
    const Phrase* phrase = PhraseAt(st.phrases, st.intPos - 1);
    if (!phrase || !phrase->hasKanji || phrase->begin != st.intPos - 1) return {};
    std::u16string reading;
    for (const ReadingPart& part : phrase->parts) reading += part.reading;
    return reading;
}

}  // namespace bellmora
