// SPDX-License-Identifier: GPL-3.0-or-later
// The rules that need no window: the claim patterns, the chip rule, the deal and the draw,
// and whether the caller is fair where a cheater would look.
#include "cards/cardmodel.h"
#include "game/controller.h"

#include <QtTest>
#include <cmath>
#include <set>

namespace {

// A screen that shows nothing: the draw on its own.
struct NoScreen : Screen {
    void setStatus(const QString&) override {}           void setCallText(const QString&) override {}
    void setCount(int) override {}                        void setCredits(int) override {}
    void setCallTimer(bool) override {}                   MediaControl* mediaControl() override { return nullptr; }
    void setStartVisible(bool) override {}                void setPauseEnabled(bool) override {}
    void setUnPauseEnabled(bool) override {}              void setTileColour(int, Colour) override {}
    void setCellNumber(int, int, int) override {}         void setCellColour(int, int, Colour) override {}
    void show(Window) override {}                         void message(const QString&) override {}
};

// The winning patterns as the rules state them, in their order: the full card, columns B to
// O, rows top to bottom, both diagonals together, the four corners.
std::vector<std::set<int>> rulePatterns()
{
    std::vector<std::set<int>> patterns(11);
    for (int cell = 1; cell <= 25; ++cell) {
        patterns[0].insert(cell);
        patterns[1 + (cell - 1) / 5].insert(cell);
        patterns[6 + (cell - 1) % 5].insert(cell);
    }
    patterns.push_back({1, 7, 13, 19, 25, 5, 9, 17, 21});
    patterns.push_back({1, 5, 21, 25});
    return patterns;
}

// The first pattern that the chips complete, 1 to 13, or 0: by the rules, and by the game.
int expectedPattern(const std::set<int>& chips)
{
    const auto patterns = rulePatterns();
    for (size_t i = 0; i < patterns.size(); ++i)
        if (std::includes(chips.begin(), chips.end(), patterns[i].begin(), patterns[i].end()))
            return int(i) + 1;
    return 0;
}

int claimed(const std::set<int>& chips)
{
    cards::CardCells marks{};
    for (int cell : chips)
        marks[cell] = 1;
    return cards::firstCompletePattern(marks);
}

// Chi-square against an even spread, below its critical value at p = 1e-6 (Wilson-Hilferty).
template <class Counts>
bool looksUniform(const Counts& counts, double total)
{
    const double expected = total / counts.size(), k = counts.size() - 1.0, a = 2.0 / (9.0 * k);
    double chi = 0;
    for (auto c : counts)
        chi += (c - expected) * (c - expected) / expected;
    return chi < k * std::pow(1.0 - a + 4.753 * std::sqrt(a), 3);
}

}  // namespace

class RulesTest : public QObject {
    Q_OBJECT
private slots:
    void everyPatternWinsWholeAndNeverWithACellMissing()
    {
        // A wrong cell in a pattern shows when that pattern, less one cell, still wins.
        for (const std::set<int>& pattern : rulePatterns()) {
            QCOMPARE(claimed(pattern), expectedPattern(pattern));
            for (int missing : pattern) {
                std::set<int> chips = pattern;
                chips.erase(missing);
                QCOMPARE(claimed(chips), expectedPattern(chips));
            }
        }
        std::mt19937 random(7);
        for (int i = 0; i < 20000; ++i) {
            std::set<int> chips;
            for (int cell = 1; cell <= 25; ++cell)
                if (random() % 10 < 7)
                    chips.insert(cell);
            QCOMPARE(claimed(chips), expectedPattern(chips));
        }
    }

    void aChipGoesOnlyOnACalledNumberOfARealCell()
    {
        cards::CardModel model;
        model.CardNumbers[2][1] = model.CardNumbers[2][25] = 20;
        cards::NumberTable called{};
        for (int isCalled : {0, 1}) {
            called[20] = isCalled;
            // card, cell, the mark afterwards (-1: nothing changes)
            const int cases[][3] = {{2, 1, isCalled}, {2, 25, isCalled}, {2, 8, -1}, {0, 1, -1}, {5, 1, -1}, {2, 0, -1}, {2, 26, -1}};
            for (const auto& c : cases)
                QCOMPARE(cards::markCell(model, c[0], c[1], called), c[2]);
            QCOMPARE(model.CardMarks[2][25], isCalled);
        }
    }

    void wholeNumbersNeverLeaveTheirRange()
    {
        // In single precision 15 * r + 61 rounds up to 76 for r just below 1.
        for (double r : {std::nextafter(1.0, 0.0), double(std::nextafter(1.0f, 0.0f))})
            for (int lo = 1; lo <= 61; lo += 15) {
                QCOMPARE(cards::wholeNumberIn(lo, lo + 14, 0.0), lo);
                QCOMPARE(cards::wholeNumberIn(lo, lo + 14, r), lo + 14);
                QCOMPARE(cards::wholeNumberIn(lo, lo + 14, 0.5), lo + 7);
            }
    }

    void aDealFillsEveryColumnFromItsRangeUniformly()
    {
        cards::CardModel model;
        Generator generator;
        constexpr int Deals = 20000;
        std::array<std::array<int, 15>, 26> counts{};
        for (int deal = 0; deal < Deals; ++deal) {
            const int card = 1 + deal % 4;
            model.CardMarks[card].fill(1);
            cards::newcards(model, card, [&] { return generator.reseededFraction(); });
            std::set<int> seen;
            for (int cell = 1; cell <= 25; ++cell) {
                const int n = model.CardNumbers[card][cell], lo = 1 + (cell - 1) / 5 * 15;
                QVERIFY(n >= lo && n < lo + 15 && model.CardMarks[card][cell] == 0 && seen.insert(n).second);
                ++counts[cell][n - lo];
            }
            QCOMPARE(model.UsedOnCard, cards::NumberTable{});
        }
        for (int cell = 1; cell <= 25; ++cell)
            QVERIFY2(looksUniform(counts[cell], Deals), qPrintable(QStringLiteral("cell %1").arg(cell)));
    }

    void theCallerIsFairWhereACheaterWouldLook()
    {
        // Whole games: no call order comes twice, the first and the last call are even over
        // the 75 numbers (a small bias per number shows many times over in the last call), and
        // the orders of three consecutive calls are even.
        GameState state;
        NoScreen screen;
        Generator generator;
        Controller controller(state, screen, generator);
        constexpr int Games = 20000;
        std::set<std::array<char, 75>> orders;
        std::array<int, 75> first{}, last{};
        std::array<int, 6> triples{};
        for (int game = 0; game < Games; ++game) {
            controller.ResetChips();
            std::array<char, 75> order{};
            for (char& call : order) {
                QVERIFY(controller.PickNumber());
                call = char(state.CurrentNumber);
            }
            QVERIFY(!controller.PickNumber() && orders.insert(order).second);
            ++first[order[0] - 1];
            ++last[order[74] - 1];
            for (int i = 0; i < 75; i += 3) {  // each order's Lehmer code, 0 to 5
                const char a = order[i], b = order[i + 1], c = order[i + 2];
                ++triples[((a > b) + (a > c)) * 2 + (b > c)];
            }
        }
        QCOMPARE(std::set<char>(orders.begin()->begin(), orders.begin()->end()).size(), size_t(75));
        QVERIFY(looksUniform(first, Games) && looksUniform(last, Games) && looksUniform(triples, Games * 25.0));
        // Under every call lies a candidate: three million of them show a bias of 1 % per number.
        std::array<int, 75> candidates{};
        for (int i = 0; i < 3000000; ++i)
            ++candidates[cards::wholeNumberIn(1, 75, generator.reseededFraction()) - 1];
        QVERIFY(looksUniform(candidates, 3000000));
    }

    void runsAtTheSameTimeOfDayDrawDifferently()
    {
        // The time of day comes round again every day: draws that restart from its reading
        // alone would deal the same games again.
        const auto draws = [](std::uint64_t state, std::uint64_t step = 1000) {
            std::uint64_t time = 0;
            Generator generator([&] { return time += step; }, state);
            std::array<double, 75> fractions{};
            for (double& r : fractions)
                r = generator.reseededFraction();
            return fractions;
        };
        QVERIFY(draws(1) != draws(2) && draws(1) != draws(1, 2000));  // and every reading is stirred in
        // Between reseedings the draw is SplitMix64: its published first outputs for 1234567.
        Generator reference([] { return std::uint64_t(0); }, 1234567);
        for (std::uint64_t expected : {6457827717110365317ULL, 3203168211198807973ULL})
            QCOMPARE(reference.fraction(), double(expected >> 11) * 0x1.0p-53);
    }

    void coloursAreWrittenBlueGreenRed()
    {
        QCOMPARE(colourFromLiteral("&H00336699&"), Colour(0xff996633));
    }
};

QTEST_APPLESS_MAIN(RulesTest)
#include "test_rules.moc"
