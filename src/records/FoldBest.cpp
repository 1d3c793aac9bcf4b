// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FoldBest.h"

namespace bellmora {

bool FoldBest(WindowState& st, float byou, float byou2) {
    if (byou > st.sngMaxByou) st.sngMaxByou = byou;
    if (!(byou2 < st.sngMinByou)) return false;
    st.sngMinByou = byou2;
    return true;
}

}  // namespace bellmora
