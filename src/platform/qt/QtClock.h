// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Clock.h"

namespace bellmora {

// The system clock in local time, to the millisecond.
class QtClock final : public Clock {
public:
    float SecondsSinceMidnight() override;
    LocalDateTime Now() override;
};

}  // namespace bellmora
