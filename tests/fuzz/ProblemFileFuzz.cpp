// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Arbitrary bytes as a problem file: decoding, then reading it as one problem text.
#include "FuzzFolder.h"
#include "ProblemLoad.h"
#include "QtTextFiles.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    bellmora::fuzz::EnterPrivateFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    bellmora::fuzz::WriteInput("problem.txt", data, size);
    bellmora::QtTextFiles files;
    const bellmora::ProblemText problem = bellmora::ReadProblemText(files, u"problem.txt");
    if (problem.status == bellmora::ProblemRead::Ok &&
        problem.text.size() > static_cast<std::size_t>(bellmora::kMaxProblemLength))
        __builtin_trap();  // a loaded problem always fits its 16-bit counters
    return 0;
}
