#pragma once

#include "common/date.h"

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
    Date today() const { return now().date; }
};
