// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace bellmora {

class Sound {
public:
    virtual ~Sound() = default;
    // The desktop's default beep; returns at once, whether or not a sound could play.
    virtual void Beep() = 0;
};

}  // namespace bellmora
