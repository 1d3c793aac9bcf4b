// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>

namespace bellmora {

// Every object of a compiled help file that the viewer uses, by its path inside the
// file ("/index.html", "/#SYSTEM"), holding its bytes.
using ChmObjects = std::map<std::string, std::string>;

// The longest path of an object inside a help file.
constexpr std::size_t kChmMaxPathBytes = 512;

// Bounds on what one help file may make the viewer read and keep.
struct ChmLimits {
    std::size_t maxObjectBytes = 8u << 20;  // a larger object is left out
    std::size_t maxTotalBytes = 64u << 20;  // objects past this total are left out
    std::size_t maxObjects = 20000;
    int deadlineMilliseconds = 5000;  // for unpacking the whole file
};

// Reads the pages, pictures, stylesheets and the #SYSTEM file of a compiled help file
// with chmlib, in this process. Empty when the file is not a help file or is damaged: a
// listing that runs in a circle or an object that cannot be read whole (objects over the
// limits are left out, not read).
// chmlib trusts the file's directory and compressed data, so only a process that may
// die should call this directly: the viewer uses UnpackChmIsolated.
std::optional<ChmObjects> UnpackChm(const std::string& path, const ChmLimits& limits);

}  // namespace bellmora
