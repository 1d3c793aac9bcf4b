// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace bellmora {

// What the #SYSTEM file of a compiled help file says about it; texts as raw bytes in the
// file's own encoding, empty when the file does not say.
struct ChmSystemInfo {
    std::string contentsFile;  // record 0, e.g. "toc.hhc"
    std::string defaultTopic;  // record 2, the first page, e.g. "index.html"
    std::string title;         // record 3, the caption of the help window
};

// Reads the records of a #SYSTEM file: a 4-byte version, then records of a 2-byte code, a
// 2-byte length and that many bytes. A record cut short ends the reading and keeps what
// came before it. Empty when even the version is missing.
std::optional<ChmSystemInfo> ReadChmSystem(std::string_view bytes);

}  // namespace bellmora
