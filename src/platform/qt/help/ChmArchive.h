// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "ChmSystem.h"
#include "ChmUnpack.h"

namespace bellmora {

// An opened compiled help file: its objects in memory and what its #SYSTEM file says.
class ChmArchive {
public:
    // Unpacks the file (in a child process, see UnpackChmIsolated). Empty when the file is
    // missing, not a help file, damaged beyond reading, or has no #SYSTEM file.
    static std::optional<ChmArchive> Open(const std::filesystem::path& file,
                                          const ChmLimits& limits = {});

    // For help files built in memory.
    static std::optional<ChmArchive> FromObjects(ChmObjects objects);

    // The object at a path inside the file, "/" in front or not, letters in any case;
    // nullptr when the file has no such object (or it was too large to keep).
    const std::string* Find(std::string_view path) const;

    const ChmSystemInfo& System() const { return system_; }

    // The contents file: the one #SYSTEM names, else the only .hhc at the top; its path
    // inside the file, or empty when there is none.
    std::string ContentsPath() const;

private:
    ChmArchive(ChmObjects objects, ChmSystemInfo system);

    ChmObjects objects_;
    std::map<std::string, std::string> pathsByFoldedPath_;  // lower-case path -> exact path
    ChmSystemInfo system_;
};

}  // namespace bellmora
