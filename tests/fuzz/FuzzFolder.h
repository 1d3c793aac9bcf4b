// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Fuzz targets that go through the real file code write each input into a file of a
// private working folder.

#include <unistd.h>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace bellmora::fuzz {

inline void EnterPrivateFolder() {
    // Memory-backed when available: the inputs are written thousands of times a second.
    char folder[] = "/dev/shm/bellmora-fuzz-XXXXXX";
    if (access("/dev/shm", W_OK) != 0)
        std::snprintf(folder, sizeof folder, "/tmp/bellmora-fuzz-XXXXXX");
    if (!mkdtemp(folder) || chdir(folder) != 0) std::abort();
    static std::string made = folder;
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::current_path("/", ignored);
        std::filesystem::remove_all(made, ignored);
    });
}

inline void WriteInput(const char* name, const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(name, "wb");
    if (!file) std::abort();
    if (size && std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);
}

}  // namespace bellmora::fuzz
