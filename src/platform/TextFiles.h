// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace bellmora {

enum class ReadStatus {
    Ok,
    Unreadable,     // missing, a folder, no permission, a read error
    BadCharacters,  // bytes that are neither code page 932 nor UTF-8; text holds replacements
};

struct TextFileContent {
    ReadStatus status = ReadStatus::Unreadable;
    std::u16string text;
};

// Files of the working folder, opened by bare name, used and closed within one call.
class TextFiles {
public:
    virtual ~TextFiles() = default;
    // The whole file as text: UTF-8 when it has a byte-order mark or is valid UTF-8
    // throughout, code page 932 otherwise. A last byte 0x1A (the end-of-file mark of DOS
    // editors) is not part of the text.
    virtual TextFileContent ReadText(const std::u16string& name) = 0;
    // Appends ASCII bytes in one write and flushes them to the disk; creates the file. When
    // the file's last line has no line end, the bytes start on a line of their own.
    virtual bool Append(const std::u16string& name, std::string_view bytes) = 0;
    // Empties the file (creating it when missing) and flushes that to the disk.
    virtual bool Truncate(const std::u16string& name) = 0;
    // Deletes the file; true when it is gone, also when there was none.
    virtual bool Remove(const std::u16string& name) = 0;
    // Replaces the file's content with the text, with its line ends as they stand, in code
    // page 932 when every character has a place there and in UTF-8 otherwise; flushed to
    // the disk. Creates the file.
    virtual bool WriteText(const std::u16string& name, const std::u16string& text) = 0;
};

}  // namespace bellmora
