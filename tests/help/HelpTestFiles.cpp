// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelpTestFiles.h"

#include <random>
#include <stdexcept>

namespace bellmora::test {

namespace {

void Replace(std::string& bytes, const std::string& what, const std::string& with,
             std::size_t offset) {
    const std::size_t at = bytes.find(what);
    if (at == std::string::npos) throw std::runtime_error("help file lacks " + what);
    bytes.replace(at + offset, with.size(), with);
}

std::string RandomBytes(std::size_t count) {
    std::mt19937 random(20240501);
    std::string bytes(count, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    return bytes;
}

}  // namespace

std::filesystem::path BuiltHelpFile() { return BELLMORA_TEST_HELP_FILE; }

std::string Damaged(std::string bytes, Damage damage) {
    switch (damage) {
        case Damage::Empty:
            return {};
        case Damage::RandomBytes:
            return RandomBytes(bytes.size());
        case Damage::TruncatedToHeader:
            return bytes.substr(0, 0x60);
        case Damage::TruncatedAtHalf:
            return bytes.substr(0, bytes.size() / 2);
        case Damage::WithoutSystem:
            Replace(bytes, "/#SYSTEM", "/#SYSTEX", 0);
            break;
        case Damage::CrashesTheLibrary:
            Replace(bytes, "LZXC", std::string(4, '\0'), 16);
            break;
        case Damage::DirectoryLoopsOnItself:
            Replace(bytes, "PMGL", std::string(4, '\0'), 16);
            break;
    }
    return bytes;
}

std::string SystemFile(std::initializer_list<std::pair<int, std::string>> records) {
    std::string bytes("\x03\x00\x00\x00", 4);
    for (const auto& [code, text] : records) {
        const std::size_t length = text.size() + 1;
        bytes += {static_cast<char>(code), static_cast<char>(code >> 8)};
        bytes += {static_cast<char>(length & 0xFF), static_cast<char>(length >> 8)};
        bytes += text;
        bytes += '\0';
    }
    return bytes;
}

}  // namespace bellmora::test
