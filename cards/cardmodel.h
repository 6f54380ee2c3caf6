// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four player cards: which number stands in which cell, the chips on them, and the deal.

#include <array>
#include <functional>

namespace cards {

constexpr int CardCount = 4;
constexpr int CellCount = 25;
constexpr int NumberCount = 75;

// Cells are numbered 1 to 25 column by column: 1-5 the B column from the top, ..., 21-25 O.
constexpr int columnOfCell(int cell) { return (cell - 1) / 5; }
constexpr int rowOfCell(int cell) { return (cell - 1) % 5; }
constexpr int lowestOfColumn(int column) { return 1 + 15 * column; }
constexpr int highestOfColumn(int column) { return 15 + 15 * column; }

// One entry per number 1 to 75 (index 0 unused): 1 = called / used, 0 = not.
using NumberTable = std::array<int, NumberCount + 1>;
// One entry per cell 1 to 25 of one card (index 0 unused).
using CardCells = std::array<int, CellCount + 1>;

struct CardModel {
    // Indexed by card 1 to 4 (index 0 unused), then by cell, so the game's own numbering reads as it is.
    std::array<CardCells, CardCount + 1> CardNumbers{};
    std::array<CardCells, CardCount + 1> CardMarks{};
    // Which numbers the card being dealt already holds; all 0 between deals.
    NumberTable UsedOnCard{};
    // The column range of the cell being dealt.
    int lowest{};
    int highest{};
};

// A uniform fraction 0 <= r < 1, drawn afresh (and reseeded) at every call.
using FractionSource = std::function<double()>;

// Int((hi - lo + 1) * r + lo), computed so that it never leaves lo..hi for any r in [0, 1).
int wholeNumberIn(int lo, int hi, double r);

// Deals new numbers to one card (1 to 4) and clears its chips; any other card changes
// nothing but the current range.
void newcards(CardModel& model, int card, const FractionSource& fraction);
void ResetChips2(CardModel& model);

// A click on a cell's number: the chip goes on only when the number has been called, and
// a chip once placed stays. Returns the cell's mark afterwards; a card or cell out of range,
// or a cell not yet dealt, changes nothing and returns -1.
int markCell(CardModel& model, int card, int cell, const NumberTable& called);

// The winning patterns in the order they are tested; the first complete one is returned
// (1 full card, 2-6 columns B to O, 7-11 rows top to bottom, 12 both diagonals, 13 corners),
// or 0 when none is complete.
int firstCompletePattern(const CardCells& marks);

}  // namespace cards
