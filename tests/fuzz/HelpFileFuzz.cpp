// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Arbitrary bytes as a help file: opened as the viewer opens it (chmlib in a child
// process), and fed straight to the parsers that work on what comes out of it.
#include <unistd.h>

#include <string>
#include <string_view>

#include "ChmArchive.h"
#include "ChmIsolatedUnpack.h"
#include "ChmSystem.h"
#include "FuzzFolder.h"
#include "Sitemap.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Started again as the help file's unpacker.
    if (const std::optional<int> code = bellmora::ServeAsChmUnpacker(*argc, *argv)) _exit(*code);
    bellmora::fuzz::EnterPrivateFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace bellmora;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    fuzz::WriteInput("help.chm", data, size);
    ChmLimits limits;
    limits.deadlineMilliseconds = 2000;
    if (const auto archive = ChmArchive::Open("help.chm", limits)) {
        archive->Find(archive->System().defaultTopic);
        archive->ContentsPath();
    }

    ReadChmSystem(bytes);
    DecodeChmObjects(bytes);
    std::u16string text(bytes.begin(), bytes.end());  // as Latin-1
    ReadSitemap(text);
    return 0;
}
