// SPDX-License-Identifier: GPL-3.0-or-later
// The claim check: the winning patterns over one card's chips.
#include "cards/cardmodel.h"

#include <vector>

namespace cards {

int firstCompletePattern(const CardCells& marks)
{
    int count = 0;
    for (int cell = 1; cell <= CellCount; ++cell)
        if (marks[cell] == 1)
            ++count;
    if (count == CellCount)
        return 1;

    // Patterns 2 to 13, in the order they are tested.
    static const std::vector<std::vector<int>> patterns = {
        {1, 2, 3, 4, 5},      {6, 7, 8, 9, 10},     {11, 12, 13, 14, 15},
        {16, 17, 18, 19, 20}, {21, 22, 23, 24, 25}, // columns B to O
        {1, 6, 11, 16, 21},   {2, 7, 12, 17, 22},   {3, 8, 13, 18, 23},
        {4, 9, 14, 19, 24},   {5, 10, 15, 20, 25},  // rows, top to bottom
        {1, 7, 13, 19, 25, 21, 17, 9, 5},           // both diagonals together: the X
        {1, 21, 5, 25},                             // the four corners
    };
    int order = 2;
    for (const auto& cells : patterns) {
        bool complete = true;
        for (int cell : cells)
            complete = complete && marks[cell] == 1;
        if (complete)
            return order;
        ++order;
    }
    return 0;
}

}  // namespace cards
