// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "ChmIsolatedUnpack.h"

// The help file is unpacked by this program started again, as the real program does it.
int main(int argc, char* argv[]) {
    if (const std::optional<int> code = bellmora::ServeAsChmUnpacker(argc, argv)) return *code;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
