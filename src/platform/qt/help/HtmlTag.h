// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace bellmora {

// One tag of HTML-like markup, with its name and attribute names in lower case and its
// attribute values with character references resolved.
struct HtmlTag {
    std::u16string name;
    bool closing = false;  // </name>
    std::vector<std::pair<std::u16string, std::u16string>> attributes;

    // The value of the first attribute of that (lower-case) name; empty when absent.
    std::u16string Attribute(std::u16string_view attributeName) const;
};

// Walks the tags of a text in order, skipping comments, declarations and the text between
// tags. Never reads past the end, whatever the markup.
class HtmlTagScanner {
public:
    explicit HtmlTagScanner(std::u16string_view text) : text_(text) {}
    std::optional<HtmlTag> Next();

private:
    bool Accept(char16_t c);
    bool SkipPast(std::u16string_view end);
    bool SkipDeclaration();
    bool TakeAttributes(HtmlTag& tag);
    void SkipBlanks();
    std::u16string TakeWhile(bool (*accept)(char16_t));
    std::u16string TakeValue();

    std::u16string_view text_;
    std::size_t at_ = 0;
};

}  // namespace bellmora
