// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace bellmora {

// Where a help file handed over by its bare name is looked for, in this order: the
// working folder, the folder the program installs its data to (found from the program's
// own folder, so that an installation works under any prefix), and the program's own
// folder (so that a program run from its build finds the help file built beside it).
std::vector<std::filesystem::path> HelpFolders(const std::filesystem::path& programFolder);

// The first of the folders holding a file of that name; a name with a folder in it is
// taken as it is. Empty when there is no such file.
std::optional<std::filesystem::path> FindHelpFile(
    const std::u16string& name, const std::vector<std::filesystem::path>& folders);

}  // namespace bellmora
