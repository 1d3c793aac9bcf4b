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
