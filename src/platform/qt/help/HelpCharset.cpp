#include "HelpCharset.h"

#include <algorithm>
#include <array>

namespace bellmora {

namespace {

// A declaration further in than this is not looked for, as browsers do.
constexpr std::size_t kSearchBytes = 4096;

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

bool IsCharsetNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' || c == ':';
}

// The name after "charset" in one tag, or empty.
std::string CharsetInTag(std::string_view tag) {
    const std::size_t key = tag.find("charset");
    if (key == std::string_view::npos) return {};
    std::size_t at = tag.find_first_not_of(" \t\r\n", key + 7);
    if (at == std::string_view::npos || tag[at] != '=') return {};
    at = tag.find_first_not_of(" \t\r\n\"'", at + 1);
    if (at == std::string_view::npos) return {};
    std::size_t end = at;
    while (end < tag.size() && IsCharsetNameChar(tag[end])) ++end;
    return std::string(tag.substr(at, end - at));
}

}  // namespace

std::string DeclaredCharset(std::string_view html) {
    const std::string head = Lower(html.substr(0, kSearchBytes));
    for (std::size_t at = head.find("<meta"); at != std::string::npos; at = head.find("<meta", at + 1)) {
        const std::size_t end = head.find('>', at);
        const std::string_view tag = std::string_view(head).substr(at, end == std::string::npos ? end : end - at);
        std::string charset = CharsetInTag(tag);
        if (!charset.empty()) return charset;
    }
    return {};
}

std::string CodePageName(std::string_view charset) {
    static constexpr std::array<std::string_view, 7> kShiftJisNames = {
        "shift_jis", "shift-jis", "sjis", "x-sjis", "ms_kanji", "cp932", "windows-31j"};
    const std::string lower = Lower(charset);
    const bool shiftJis = std::find(kShiftJisNames.begin(), kShiftJisNames.end(), lower) != kShiftJisNames.end();
    return shiftJis ? "windows-31j" : std::string(charset);
}

}  // namespace bellmora
