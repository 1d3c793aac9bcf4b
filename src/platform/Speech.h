// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace bellmora {

// What a screen reader should say of a change that it would not notice by itself: a
// loaded problem, a light of the countdown, the next character, the figures of a run.
// The logic says what; the platform decides how, and says nothing while no assistive
// technology listens.
class Speech {
public:
    virtual ~Speech() = default;
    virtual void Announce(const std::u16string& text) = 0;
};

}  // namespace bellmora
