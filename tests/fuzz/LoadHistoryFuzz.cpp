// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Arbitrary bytes as a record file, read back through the real file code.
#include <cmath>

#include "FakePlatform.h"
#include "FuzzFolder.h"
#include "LoadHistory.h"
#include "QtTextFiles.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    bellmora::fuzz::EnterPrivateFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace bellmora;
    fuzz::WriteInput("p.REC", data, size);
    test::FakeWindow w;
    QtTextFiles files;
    Platform platform{w.ui,   w.dialogs, w.sound,  w.clock,   files,
                      w.help, w.app,     w.speech, w.readings};
    w.st.strMondaiName = u"p";
    LoadHistory(w.st, platform);
    // Whatever the file holds, the totals stay finite and nothing is asked of the user.
    if (!std::isfinite(w.st.dblToJikan) || !std::isfinite(w.st.sngMaxByou) ||
        !std::isfinite(w.st.sngMinByou) || !w.dialogs.shown.empty())
        __builtin_trap();
    return 0;
}
