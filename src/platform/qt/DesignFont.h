// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <string_view>

namespace bellmora {

// Tells Qt which face on this system stands in for each Windows face of the design, for
// fonts named by the Windows face anywhere in the program.
void SubstituteDesignFaces();

// A font of the design, by its Windows face name. Where that face is not installed, the
// font names its stand-in directly: a name Qt cannot find sends it to ask fontconfig for
// every fallback of that name, a few milliseconds a face at each start, before it tries
// the substitutes.
QFont DesignFont(std::u16string_view face, qreal points);

}  // namespace bellmora
