// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>

#include "TempFolder.h"

namespace bellmora::test {

// The help file this build compiled.
std::filesystem::path BuiltHelpFile();

// The ways a help file is damaged in the tests, each made from the built help file.
enum class Damage {
    Empty,
    RandomBytes,
    TruncatedToHeader,
    TruncatedAtHalf,
    WithoutSystem,          // the #SYSTEM entry renamed away
    CrashesTheLibrary,      // LZX control data with zero windows per reset: chmlib divides by it
    DirectoryLoopsOnItself  // the listing page names itself as the next page
};
std::string Damaged(std::string bytes, Damage damage);

// A #SYSTEM file holding the given records (code, text); texts get their NUL.
std::string SystemFile(std::initializer_list<std::pair<int, std::string>> records);

}  // namespace bellmora::test
