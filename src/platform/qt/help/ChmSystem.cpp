// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChmSystem.h"

#include <cstdint>

namespace bellmora {

namespace {

constexpr std::size_t kVersionBytes = 4;
constexpr std::size_t kRecordHeadBytes = 4;

enum RecordCode : std::uint16_t { kContentsFile = 0, kDefaultTopic = 2, kTitle = 3 };

std::uint16_t Word(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      static_cast<unsigned char>(bytes[at + 1]) << 8);
}

// Record texts end with a NUL; anything after it is padding.
std::string TextOf(std::string_view value) {
    return std::string(value.substr(0, value.find('\0')));
}

void Keep(std::string& field, std::string_view value) {
    if (field.empty()) field = TextOf(value);  // the first record of a kind counts
}

}  // namespace

std::optional<ChmSystemInfo> ReadChmSystem(std::string_view bytes) {
    if (bytes.size() < kVersionBytes) return std::nullopt;
    ChmSystemInfo info;
    std::size_t at = kVersionBytes;
    while (bytes.size() - at >= kRecordHeadBytes) {
        const std::uint16_t code = Word(bytes, at);
        const std::size_t length = Word(bytes, at + 2);
        at += kRecordHeadBytes;
        if (length > bytes.size() - at) break;
        const std::string_view value = bytes.substr(at, length);
        if (code == kContentsFile) Keep(info.contentsFile, value);
        if (code == kDefaultTopic) Keep(info.defaultTopic, value);
        if (code == kTitle) Keep(info.title, value);
        at += length;
    }
    return info;
}

}  // namespace bellmora
