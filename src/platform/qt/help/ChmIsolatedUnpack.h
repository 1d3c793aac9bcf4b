// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ChmUnpack.h"

namespace bellmora {

// UnpackChm run in a short-lived helper process, so that a damaged help file that makes
// chmlib crash, loop or run out of memory costs the helper and never the program. The
// helper is the program itself, started anew with an argument: so every program that
// opens help files calls ServeAsChmUnpacker first thing in main. The helper's answer must
// arrive whole within the deadline; otherwise the file counts as unreadable.
std::optional<ChmObjects> UnpackChmIsolated(const std::string& path, const ChmLimits& limits);

// In the helper (started with the unpacking argument): unpacks the file, writes the
// objects to standard output and gives the exit code. Nothing in any other process.
std::optional<int> ServeAsChmUnpacker(int argc, char* argv[]);

// How the objects travel from the child to the program: for each object its path length
// (4 bytes), path, data length (8 bytes) and data, little-endian.
std::string EncodeChmObjects(const ChmObjects& objects);
std::optional<ChmObjects> DecodeChmObjects(std::string_view wire);

}  // namespace bellmora
