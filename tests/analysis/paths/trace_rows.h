#pragma once

#include <map>
#include <memory>
#include <vector>

#include "common/num_format.h"
#include "draws/drag_handover.h"

// A drag hand-over of `rows` rows (dates "d<r>", draw numbers "p<r>") with the given numbers marked.
inline std::unique_ptr<DragHandOver> TraceRowsWith(int rows, const std::map<int, std::vector<int>>& marks) {
    auto drag = std::make_unique<DragHandOver>();
    for (int r = 1; r <= rows; ++r) {
        drag->TraceHits[0][r] = "d" + NumFormat("00", r);
        drag->TraceHits[1][r] = "p" + NumFormat("00", r);
    }
    for (const auto& [row, numbers] : marks)
        for (int n : numbers)
            drag->TraceHits[1 + n][row] = "*";
    return drag;
}
