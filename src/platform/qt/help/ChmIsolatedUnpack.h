// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ChmUnpack.h"

namespace bellmora {

// UnpackChm run in a short-lived child process, so that a damaged help file that makes
// chmlib crash, loop or run out of memory costs the child and never the program. The
// child's answer must arrive whole within the deadline; otherwise the file counts as
// unreadable.
std::optional<ChmObjects> UnpackChmIsolated(const std::string& path, const ChmLimits& limits);

// How the objects travel from the child to the program: for each object its path length
// (4 bytes), path, data length (8 bytes) and data, little-endian.
std::string EncodeChmObjects(const ChmObjects& objects);
std::optional<ChmObjects> DecodeChmObjects(std::string_view wire);

}  // namespace bellmora
