// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShowTotals.h"

#include <cmath>
#include <limits>

#include "FoldBest.h"
#include "NumberText.h"
#include "Text.h"

namespace bellmora {

namespace {

// Whole seconds of the total time, rounded down and held within 32 bits.
std::int32_t WholeSeconds(double seconds) {
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    constexpr double kMin = std::numeric_limits<std::int32_t>::min();
    const double whole = std::floor(seconds);
    if (std::isnan(whole)) return 0;
    if (whole >= kMax) return std::numeric_limits<std::int32_t>::max();
    if (whole <= kMin) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(whole);
}

}  // namespace

void ShowTotals(WindowState& st, Platform& p) {
    p.ui.SetCaption(Label::ToKaisu, u" " + IntegerText(p.ui.HistoryCount()) + u"回");
    p.ui.SetCaption(Label::ToMoji, u" " + IntegerText(st.lngToMoji) + u"文字");
    st.lngToJikan = WholeSeconds(st.dblToJikan);
    p.ui.SetCaption(Label::ToJikan, u" " + FormatJikan(st.lngToJikan));
    p.ui.SetCaption(Label::MaxByou, u" " + FormatGeneral(st.sngMaxByou) + u"タイプ／秒");
    if (st.sngMinByou == kNoRunMinByou)
        p.ui.SetCaption(Label::MinByou, u" 0秒／タイプ");
    else
        p.ui.SetCaption(Label::MinByou, u" " + FormatGeneral(st.sngMinByou) + u"秒／タイプ");
}

std::u16string FormatJikan(std::int32_t seconds) {
    // A negative total shows a minus sign and the parts of its magnitude; 64 bits hold
    // the magnitude of the lowest 32-bit value.
    const std::int64_t magnitude = std::abs(static_cast<std::int64_t>(seconds));
    std::u16string text = seconds < 0 ? u"-" : u"";
    text += IntegerText(magnitude / 3600) + u"時間 ";
    text += IntegerText(magnitude % 3600 / 60) + u"分 ";
    text += IntegerText(magnitude % 60) + u"秒";
    return text;
}

}  // namespace bellmora
