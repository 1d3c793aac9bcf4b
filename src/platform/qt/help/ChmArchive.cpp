// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChmArchive.h"

#include "ChmIsolatedUnpack.h"
#include "Text.h"

namespace bellmora {

namespace {

std::string Rooted(std::string_view path) {
    return path.starts_with('/') ? std::string(path) : "/" + std::string(path);
}

bool IsTopLevelContents(const std::string& path) {
    return path.rfind('/') == 0 && AsciiLower(path).ends_with(".hhc");
}

}  // namespace

ChmArchive::ChmArchive(ChmObjects objects, ChmSystemInfo system)
    : objects_(std::move(objects)), system_(std::move(system)) {
    // Help file names compare without regard to ASCII letter case, as on the system they
    // come from.
    for (const auto& entry : objects_)
        pathsByFoldedPath_.emplace(AsciiLower(entry.first), entry.first);
}

std::optional<ChmArchive> ChmArchive::FromObjects(ChmObjects objects) {
    const auto system = objects.find("/#SYSTEM");
    if (system == objects.end()) return std::nullopt;
    std::optional<ChmSystemInfo> info = ReadChmSystem(system->second);
    if (!info) return std::nullopt;
    return ChmArchive(std::move(objects), std::move(*info));
}

std::optional<ChmArchive> ChmArchive::Open(const std::filesystem::path& file,
                                           const ChmLimits& limits) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;  // a folder or a pipe
    std::optional<ChmObjects> objects = UnpackChmIsolated(file.string(), limits);
    if (!objects) return std::nullopt;
    return FromObjects(std::move(*objects));
}

const std::string* ChmArchive::Find(std::string_view path) const {
    const std::string rooted = Rooted(path);
    if (const auto exact = objects_.find(rooted); exact != objects_.end()) return &exact->second;
    const auto folded = pathsByFoldedPath_.find(AsciiLower(rooted));
    if (folded == pathsByFoldedPath_.end()) return nullptr;
    return &objects_.at(folded->second);
}

std::string ChmArchive::ContentsPath() const {
    if (!system_.contentsFile.empty()) {
        const std::string named = Rooted(system_.contentsFile);
        if (Find(named) != nullptr) return named;
    }
    std::string only;
    for (const auto& entry : objects_) {
        if (!IsTopLevelContents(entry.first)) continue;
        if (!only.empty()) return {};  // more than one: no way to tell which
        only = entry.first;
    }
    return only;
}

}  // namespace bellmora
