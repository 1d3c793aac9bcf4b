// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChmUnpack.h"

#include <chm_lib.h>

#include <memory>
#include <set>
#include <string_view>
#include <vector>

namespace bellmora {

namespace {

struct ChmCloser {
    void operator()(chmFile* file) const { chm_close(file); }
};
using ChmHandle = std::unique_ptr<chmFile, ChmCloser>;

struct Listing {
    std::size_t maxObjects;
    std::vector<chmUnitInfo> units;
    std::set<std::string> paths;
    bool damaged = false;
};

// The user's pages, pictures and stylesheets, plus the one internal file that names the
// first page, the title and the contents file.
bool IsWanted(const chmUnitInfo& unit) {
    return (unit.flags & CHM_ENUMERATE_NORMAL) != 0 || std::string_view(unit.path) == "/#SYSTEM";
}

int CollectUnit(chmFile*, chmUnitInfo* unit, void* context) {
    auto& listing = *static_cast<Listing*>(context);
    if (listing.units.size() >= listing.maxObjects) return CHM_ENUMERATOR_SUCCESS;
    if (!IsWanted(*unit)) return CHM_ENUMERATOR_CONTINUE;
    // A name listed twice means the listing runs in a circle.
    listing.damaged = !listing.paths.insert(unit->path).second;
    if (listing.damaged) return CHM_ENUMERATOR_FAILURE;
    listing.units.push_back(*unit);
    return CHM_ENUMERATOR_CONTINUE;
}

std::optional<std::string> ReadUnit(chmFile* file, chmUnitInfo& unit) {
    std::string data(static_cast<std::size_t>(unit.length), '\0');
    if (data.empty()) return data;
    const auto length = static_cast<LONGINT64>(data.size());
    const LONGINT64 got =
        chm_retrieve_object(file, &unit, reinterpret_cast<unsigned char*>(data.data()), 0, length);
    if (got != length) return std::nullopt;
    return data;
}

}  // namespace

std::optional<ChmObjects> UnpackChm(const std::string& path, const ChmLimits& limits) {
    const ChmHandle file(chm_open(path.c_str()));
    if (!file) return std::nullopt;

    Listing listing{limits.maxObjects, {}, {}};
    const int what = CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_SPECIAL | CHM_ENUMERATE_FILES;
    if (chm_enumerate(file.get(), what, CollectUnit, &listing) == 0 || listing.damaged)
        return std::nullopt;

    ChmObjects objects;
    std::size_t total = 0;
    for (chmUnitInfo& unit : listing.units) {
        if (unit.length > limits.maxObjectBytes) continue;
        if (unit.length > limits.maxTotalBytes - total) continue;
        std::optional<std::string> data = ReadUnit(file.get(), unit);
        if (!data) return std::nullopt;  // cut short or its compressed data damaged
        total += data->size();
        objects.emplace(unit.path, std::move(*data));
    }
    return objects;
}

}  // namespace bellmora
