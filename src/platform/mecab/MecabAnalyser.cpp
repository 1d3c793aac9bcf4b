// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MecabAnalyser.h"

#include <mecab.h>

#include <string>

namespace bellmora {

namespace {

// The IPA dictionary's feature fields: part of speech, its first refinement, … reading.
constexpr std::size_t kPartOfSpeech = 0;
constexpr std::size_t kSubclass = 1;
constexpr std::size_t kReading = 7;

// MeCab reads UTF-8; the text is UTF-16. Keeps, for every byte of the UTF-8 text, the
// UTF-16 position it came from, so each word's bytes map back to the text.
struct Utf8Text {
    std::string bytes;
    std::vector<std::size_t> position;  // one more than bytes: the end maps to the end

    explicit Utf8Text(std::u16string_view text) {
        bytes.reserve(text.size() * 3);
        position.reserve(text.size() * 3 + 1);
        for (std::size_t i = 0; i < text.size();) {
            char32_t c = text[i];
            std::size_t units = 1;
            if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                text[i + 1] < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
                units = 2;
            } else if (c >= 0xD800 && c < 0xE000) {
                c = 0xFFFD;  // half a pair
            }
            const std::size_t before = bytes.size();
            Append(c);
            position.insert(position.end(), bytes.size() - before, i);
            i += units;
        }
        position.push_back(text.size());
    }

    void Append(char32_t c) {
        if (c < 0x80) {
            bytes += static_cast<char>(c);
        } else if (c < 0x800) {
            bytes += static_cast<char>(0xC0 | (c >> 6));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            bytes += static_cast<char>(0xE0 | (c >> 12));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | (c >> 18));
            bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
};

// The dictionary's fields are UTF-8, and only Japanese words and "*".
std::u16string FromUtf8(std::string_view s) {
    std::u16string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        char32_t c = b;
        std::size_t n = 1;
        if (b >= 0xF0)
            c = b & 0x07, n = 4;
        else if (b >= 0xE0)
            c = b & 0x0F, n = 3;
        else if (b >= 0xC0)
            c = b & 0x1F, n = 2;
        for (std::size_t k = 1; k < n && i + k < s.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        i += n;
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

std::u16string Field(std::string_view csv, std::size_t index) {
    for (std::size_t i = 0; i < index; ++i) {
        const std::size_t comma = csv.find(',');
        if (comma == std::string_view::npos) return {};
        csv.remove_prefix(comma + 1);
    }
    const std::string_view field = csv.substr(0, csv.find(','));
    return field == "*" ? std::u16string() : FromUtf8(field);
}

class MecabAnalyser final : public Analyser {
public:
    explicit MecabAnalyser(MeCab::Tagger* tagger) : tagger_(tagger) {}

    std::vector<Morpheme> Analyse(std::u16string_view text) override {
        std::vector<Morpheme> words;
        // Line by line: a line end is no part of a word.
        for (std::size_t at = 0; at < text.size();) {
            std::size_t end = text.find_first_of(u"\r\n", at);
            if (end == std::u16string_view::npos) end = text.size();
            if (end > at) AnalyseLine(text.substr(at, end - at), at, words);
            at = end + 1;
        }
        return words;
    }

private:
    void AnalyseLine(std::u16string_view line, std::size_t offset, std::vector<Morpheme>& words) {
        const Utf8Text utf8(line);
        const MeCab::Node* node = tagger_->parseToNode(utf8.bytes.data(), utf8.bytes.size());
        for (; node; node = node->next) {
            if (node->stat != MECAB_NOR_NODE && node->stat != MECAB_UNK_NODE) continue;
            const auto first = static_cast<std::size_t>(node->surface - utf8.bytes.data());
            const std::size_t last = first + node->length;
            if (node->length == 0 || last > utf8.bytes.size()) continue;
            const std::string_view feature(node->feature);
            Morpheme w;
            w.begin = offset + utf8.position[first];
            w.length = utf8.position[last] - utf8.position[first];
            w.partOfSpeech = Field(feature, kPartOfSpeech);
            w.subclass = Field(feature, kSubclass);
            w.reading = Field(feature, kReading);  // an unknown word has none
            words.push_back(std::move(w));
        }
    }

    std::unique_ptr<MeCab::Tagger> tagger_;
};

}  // namespace

std::unique_ptr<Analyser> CreateMecabAnalyser() {
    MeCab::Tagger* tagger = MeCab::createTagger("");
    if (!tagger) return nullptr;
    return std::make_unique<MecabAnalyser>(tagger);
}

}  // namespace bellmora
