// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakePlatform.h"

#include "WindowCommands.h"

namespace bellmora::test {

namespace {

std::string Utf8(const std::u16string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
        } else if (c < 0x10000) {
            out += {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
                    static_cast<char>(0x80 | (c & 0x3F))};
        } else {
            out +=
                {static_cast<char>(0xF0 | c >> 18), static_cast<char>(0x80 | (c >> 12 & 0x3F)),
                 static_cast<char>(0x80 | (c >> 6 & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
        }
    }
    return out;
}

}  // namespace

void PrintTo(const Message& message, std::ostream* os) {
    *os << "{\"" << Utf8(message.text) << "\", \"" << Utf8(message.caption) << "\", "
        << (message.icon == MessageIcon::Warning ? "Warning" : "Information") << ", "
        << (message.buttons == MessageButtons::Ok ? "Ok" : "OkCancel") << "}";
}

int FakeControls::ShownImage() const {
    int shown = 0;
    for (int i = 1; i <= 3; ++i) {
        if (!imageVisible[i]) continue;
        if (shown != 0) return 0;
        shown = i;
    }
    return shown;
}

std::vector<std::u16string> FakeControls::FileNames() const {
    std::vector<std::u16string> names;
    if (folder)
        for (const auto& [name, content] : folder->files)
            if (name.ends_with(u".txt")) names.push_back(name);
    return names;
}

MessageAnswer FakeDialogs::ShowMessage(const std::u16string& text, const std::u16string& caption,
                                       MessageIcon icon, MessageButtons buttons) {
    shown.push_back({text, caption, icon, buttons});
    if (onShow) onShow(shown.back());
    if (answers.empty()) return MessageAnswer::Ok;
    MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

TextFileContent FakeTextFiles::ReadText(const std::u16string& name) {
    ++reads;
    auto it = files.find(name);
    if (it == files.end() || unreadable.count(name)) return {ReadStatus::Unreadable, {}};
    if (badCharacters.count(name)) return {ReadStatus::BadCharacters, it->second};
    return {ReadStatus::Ok, it->second};
}

bool FakeTextFiles::Append(const std::u16string& name, std::string_view bytes) {
    if (unwritable.count(name)) return false;
    auto& content = files[name];
    if (!content.empty() && content.back() != u'\n' && content.back() != u'\r') content += u"\r\n";
    for (char c : bytes) content.push_back(static_cast<unsigned char>(c));
    return true;
}

bool FakeTextFiles::Truncate(const std::u16string& name) {
    if (unwritable.count(name)) return false;
    files[name].clear();
    return true;
}

bool FakeTextFiles::Remove(const std::u16string& name) {
    if (unwritable.count(name)) return false;
    files.erase(name);
    return true;
}

bool FakeTextFiles::WriteText(const std::u16string& name, const std::u16string& text) {
    if (unwritable.count(name)) return false;
    files[name] = text;
    return true;
}

void FakeWindow::Load() { OnLoad(st, platform); }

}  // namespace bellmora::test
