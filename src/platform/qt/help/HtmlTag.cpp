// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HtmlTag.h"

#include <algorithm>
#include <cstdint>

#include "Text.h"

namespace bellmora {

namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}
bool IsNameChar(char16_t c) {
    return !IsBlank(c) && c != u'>' && c != u'/' && c != u'=' && c != u'<';
}
bool IsUnquotedValueChar(char16_t c) { return !IsBlank(c) && c != u'>'; }

const std::pair<std::u16string_view, char16_t> kNamedReferences[] = {
    {u"amp", u'&'},  {u"lt", u'<'},    {u"gt", u'>'},
    {u"quot", u'"'}, {u"apos", u'\''}, {u"nbsp", u'\u00A0'},
};

void AppendCodePoint(std::u16string& out, std::uint32_t code) {
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
    if (code < 0x10000) return out.push_back(static_cast<char16_t>(code));
    code -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
}

std::optional<std::uint32_t> NumericReference(std::u16string_view body) {
    const bool hex = !body.empty() && (body[0] == u'x' || body[0] == u'X');
    if (hex) body.remove_prefix(1);
    if (body.empty() || body.size() > 8) return std::nullopt;
    std::uint32_t code = 0;
    for (char16_t c : body) {
        int digit = -1;
        if (c >= u'0' && c <= u'9') digit = c - u'0';
        if (hex && c >= u'a' && c <= u'f') digit = c - u'a' + 10;
        if (hex && c >= u'A' && c <= u'F') digit = c - u'A' + 10;
        if (digit < 0) return std::nullopt;
        code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
    }
    return code;
}

// Resolves the reference whose body (between & and ;) is given; false when unknown.
bool AppendReference(std::u16string& out, std::u16string_view body) {
    if (!body.empty() && body[0] == u'#') {
        const std::optional<std::uint32_t> code = NumericReference(body.substr(1));
        if (code) AppendCodePoint(out, *code);
        return code.has_value();
    }
    for (const auto& [name, c] : kNamedReferences) {
        if (AsciiLower(body) != name) continue;
        out.push_back(c);
        return true;
    }
    return false;
}

// The longest reference body looked for: "#x10FFFF" and the named ones fit.
constexpr std::size_t kMaxReferenceBody = 10;

std::u16string ResolveReferences(std::u16string_view text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t end = text[i] == u'&'
                                    ? text.substr(i + 1, kMaxReferenceBody + 1).find(u';')
                                    : std::u16string_view::npos;
        if (end != std::u16string_view::npos && AppendReference(out, text.substr(i + 1, end))) {
            i += end + 1;
            continue;
        }
        out.push_back(text[i]);
    }
    return out;
}

}  // namespace

std::u16string HtmlTag::Attribute(std::u16string_view attributeName) const {
    for (const auto& [key, value] : attributes) {
        if (key == attributeName) return value;
    }
    return {};
}

bool HtmlTagScanner::SkipPast(std::u16string_view end) {
    const std::size_t found = text_.find(end, at_);
    at_ = found == std::u16string_view::npos ? text_.size() : found + end.size();
    return found != std::u16string_view::npos;
}

void HtmlTagScanner::SkipBlanks() {
    while (at_ < text_.size() && IsBlank(text_[at_])) ++at_;
}

std::u16string HtmlTagScanner::TakeWhile(bool (*accept)(char16_t)) {
    const std::size_t start = at_;
    while (at_ < text_.size() && accept(text_[at_])) ++at_;
    return std::u16string(text_.substr(start, at_ - start));
}

std::u16string HtmlTagScanner::TakeValue() {
    SkipBlanks();
    if (at_ >= text_.size()) return {};
    const char16_t quote = text_[at_];
    if (quote != u'"' && quote != u'\'') return ResolveReferences(TakeWhile(IsUnquotedValueChar));
    const std::size_t start = ++at_;
    const std::size_t end = std::min(text_.find(quote, start), text_.size());
    at_ = std::min(end + 1, text_.size());
    return ResolveReferences(text_.substr(start, end - start));
}

bool HtmlTagScanner::Accept(char16_t c) {
    const bool here = at_ < text_.size() && text_[at_] == c;
    if (here) ++at_;
    return here;
}

// Comments, <!DOCTYPE ...> and <?...?> carry nothing for us.
bool HtmlTagScanner::SkipDeclaration() {
    const std::u16string_view end = text_.substr(at_).starts_with(u"!--") ? u"-->" : u">";
    if (!Accept(u'!') && !Accept(u'?')) return false;
    SkipPast(end);
    return true;
}

// Reads the attributes up to and including the closing '>'; false when the text ends first.
bool HtmlTagScanner::TakeAttributes(HtmlTag& tag) {
    for (;;) {
        SkipBlanks();
        if (at_ >= text_.size()) return false;
        if (Accept(u'>')) return true;
        if (!IsNameChar(text_[at_])) {
            ++at_;  // a stray '/', '=' or '<'
            continue;
        }
        std::u16string key = AsciiLower(TakeWhile(IsNameChar));
        SkipBlanks();
        std::u16string value = Accept(u'=') ? TakeValue() : std::u16string();
        tag.attributes.emplace_back(std::move(key), std::move(value));
    }
}

std::optional<HtmlTag> HtmlTagScanner::Next() {
    while (SkipPast(u"<")) {
        if (SkipDeclaration()) continue;
        HtmlTag tag;
        tag.closing = Accept(u'/');
        tag.name = AsciiLower(TakeWhile(IsNameChar));
        if (!TakeAttributes(tag)) return std::nullopt;
        if (!tag.name.empty()) return tag;
    }
    return std::nullopt;
}

}  // namespace bellmora
