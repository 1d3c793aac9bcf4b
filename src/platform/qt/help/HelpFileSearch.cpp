// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelpFileSearch.h"

namespace bellmora {

namespace {

bool IsFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::vector<std::filesystem::path> HelpFolders(const std::filesystem::path& programFolder) {
    std::error_code error;
    std::vector<std::filesystem::path> folders;
    const std::filesystem::path working = std::filesystem::current_path(error);
    if (!error) folders.push_back(working);
    folders.push_back((programFolder / BELLMORA_HELP_FROM_PROGRAM).lexically_normal());
    folders.push_back(programFolder);
    return folders;
}

std::optional<std::filesystem::path> FindHelpFile(
    const std::u16string& name, const std::vector<std::filesystem::path>& folders) {
    const std::filesystem::path file(name);
    if (name.empty()) return std::nullopt;
    if (file.has_parent_path()) return IsFile(file) ? std::optional(file) : std::nullopt;
    for (const std::filesystem::path& folder : folders) {
        if (IsFile(folder / file)) return folder / file;
    }
    return std::nullopt;
}

}  // namespace bellmora
