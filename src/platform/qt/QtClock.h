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
