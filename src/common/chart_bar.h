#pragma once

#include <string>

// One bar of a bar chart as the core computes it: the label under it and its value.
struct ChartBar {
    std::string label;
    double value = 0;

    bool operator==(const ChartBar&) const = default;
};
