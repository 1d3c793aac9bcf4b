#include "HelpFileSearch.h"

namespace bellmora {

namespace {

bool IsFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::vector<std::filesystem::path> HelpFolders() {
    std::error_code error;
    std::vector<std::filesystem::path> folders;
    const std::filesystem::path working = std::filesystem::current_path(error);
    if (!error) folders.push_back(working);
    folders.emplace_back(BELLMORA_HELP_DATADIR);
    folders.emplace_back(BELLMORA_BUILD_DIR);
    return folders;
}

std::optional<std::filesystem::path> FindHelpFile(const std::u16string& name,
                                                  const std::vector<std::filesystem::path>& folders) {
    const std::filesystem::path file(name);
    if (name.empty()) return std::nullopt;
    if (file.has_parent_path()) return IsFile(file) ? std::optional(file) : std::nullopt;
    for (const std::filesystem::path& folder : folders) {
        if (IsFile(folder / file)) return folder / file;
    }
    return std::nullopt;
}

}  // namespace bellmora
