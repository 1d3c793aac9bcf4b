// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DateTime.h"

namespace bellmora {

class Clock {
public:
    virtual ~Clock() = default;
    // Local time of day in seconds since midnight, with its fraction.
    virtual float SecondsSinceMidnight() = 0;
    virtual LocalDateTime Now() = 0;
};

}  // namespace bellmora
