// SPDX-License-Identifier: GPL-3.0-or-later
// The deal and chip marking.
#include "cards/cardmodel.h"

#include <algorithm>

namespace cards {

int wholeNumberIn(int lo, int hi, double r)
{
    // In double precision (hi - lo + 1) * r stays below hi - lo + 1 for every r < 1 at these
    // sizes; the clamp keeps the promise even for a fraction source that breaks its own.
    const int n = lo + static_cast<int>((hi - lo + 1) * r);
    return std::clamp(n, lo, hi);
}

void ResetChips2(CardModel& model)
{
    model.UsedOnCard.fill(0);
}

void newcards(CardModel& model, int card, const FractionSource& fraction)
{
    model.lowest = 1;
    model.highest = 15;
    if (card < 1 || card > CardCount)
        return;

    auto& numbers = model.CardNumbers[card];
    auto& marks = model.CardMarks[card];
    numbers.fill(0);
    marks.fill(0);

    for (int cell = 1; cell <= CellCount; ++cell) {
        model.lowest = lowestOfColumn(columnOfCell(cell));
        model.highest = highestOfColumn(columnOfCell(cell));
        int n;
        do {
            n = wholeNumberIn(model.lowest, model.highest, fraction());
        } while (model.UsedOnCard[n] != 0);
        numbers[cell] = n;
        model.UsedOnCard[n] = 1;
    }
    ResetChips2(model);
}

int markCell(CardModel& model, int card, int cell, const NumberTable& called)
{
    if (card < 1 || card > CardCount || cell < 1 || cell > CellCount)
        return -1;
    const int n = model.CardNumbers[card][cell];
    if (n < 1 || n > NumberCount)
        return -1;
    int& mark = model.CardMarks[card][cell];
    mark = called[n] == 0 ? 0 : 1;
    return mark;
}

}  // namespace cards
