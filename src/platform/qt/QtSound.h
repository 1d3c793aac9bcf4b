// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include "Sound.h"

namespace bellmora {

// The desktop's bell through libcanberra, played on a thread of its own so that a beep
// never holds up the window. When canberra cannot play (no sound server, no device, no
// sound theme), it is not asked again: the rest of the session uses the display's bell.
// The thread and the sound libraries start with the first beep, not with the window.
class QtSound final : public Sound {
public:
    QtSound();
    ~QtSound() override;
    QtSound(const QtSound&) = delete;
    QtSound& operator=(const QtSound&) = delete;

    void Beep() override;

private:
    class Player;
    std::unique_ptr<Player> player_;
};

}  // namespace bellmora
