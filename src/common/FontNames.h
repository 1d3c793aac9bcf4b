// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace bellmora {

// The window keeps the face names of the Windows desktop it was designed on; start-up
// maps each to the nearest face on this system.
inline constexpr std::u16string_view kPGothicFace = u"ＭＳ Ｐゴシック";
inline constexpr std::u16string_view kGothicFace = u"ＭＳ ゴシック";
inline constexpr std::u16string_view kTimesFace = u"Times New Roman";

}  // namespace bellmora
