// The rules that need no window: the generator, the draw, the deal and the claim patterns.
#include "cards/cardmodel.h"
#include "game/controller.h"
#include "stats.h"

#include <QtTest>
#include <cmath>
#include <algorithm>
#include <set>

namespace {

// A screen that shows nothing: the draw and the deal on their own.
class NoScreen : public Screen {
public:
    void setStatus(const QString&) override {}
    void setCallText(const QString&) override {}
    void setCount(int) override {}
    void setCredits(int) override {}
    void setCallTimer(bool) override {}
    MediaControl* mediaControl() override { return nullptr; }
    void setStartVisible(bool) override {}
    void setPauseEnabled(bool) override {}
    void setUnPauseEnabled(bool) override {}
    void setTileColour(int, Colour) override {}
    void setCellNumber(int, int, int) override {}
    void setCellColour(int, int, Colour) override {}
    void show(Window) override {}
    void message(const QString& text) override { messages << text; }
    QStringList messages;
};

constexpr double Z1e6 = 4.753;  // one-sided p = 1e-6
constexpr double Z1e8 = 5.612;  // p = 1e-8, for a hundred cells at once

}  // namespace

class RulesTest : public QObject {
    Q_OBJECT
private slots:
    void wholeNumbersNeverLeaveTheirRange()
    {
        // In single precision 15 * r + 61 rounds up to 76 for r just below 1.
        const double justBelowOne = std::nextafter(1.0, 0.0);
        for (int column = 0; column < 5; ++column) {
            const int lo = cards::lowestOfColumn(column), hi = cards::highestOfColumn(column);
            QCOMPARE(cards::wholeNumberIn(lo, hi, 0.0), lo);
            QCOMPARE(cards::wholeNumberIn(lo, hi, justBelowOne), hi);
            QCOMPARE(cards::wholeNumberIn(lo, hi, std::nextafter(1.0f, 0.0f)), hi);
        }
        QCOMPARE(cards::wholeNumberIn(1, 75, justBelowOne), 75);
    }

    void aFrozenClockStillGivesFreshDraws()
    {
        // Guards against a reseed that replaces the state with the clock reading.
        Generator generator([] { return std::uint64_t{42}; }, 7);
        std::array<int, 75> counts{};
        for (int i = 0; i < 75000; ++i)
            ++counts[cards::wholeNumberIn(1, 75, generator.reseededFraction()) - 1];
        QVERIFY(chiSquare(counts, 1000.0) < chiSquareCritical(74, Z1e6));
    }

    void theFairnessCheckCatchesAGeneratorRestartedFromTheClock()
    {
        // The same check on a generator that restarts from the clock reading alone must fail,
        // or the fairness tests below prove nothing.
        std::array<int, 75> counts{};
        for (int i = 0; i < 75000; ++i) {
            Generator restarted([] { return std::uint64_t{0}; }, Generator::timeOfDay() / 1000000);
            ++counts[cards::wholeNumberIn(1, 75, restarted.reseededFraction()) - 1];
        }
        QVERIFY(chiSquare(counts, 1000.0) > chiSquareCritical(74, Z1e6));
    }

    void theFirstCallIsUniformOverAllNumbers()
    {
        GameState state;
        NoScreen screen;
        Generator generator;
        Controller controller(state, screen, generator);
        constexpr int Games = 150000;
        std::array<int, 75> counts{};
        for (int game = 0; game < Games; ++game) {
            controller.ResetChips();
            QVERIFY(controller.PickNumber());
            ++counts[state.CurrentNumber - 1];
        }
        const double chi = chiSquare(counts, Games / 75.0);
        QVERIFY2(chi < chiSquareCritical(74, Z1e6), qPrintable(QString::number(chi)));
    }

    void everyCellIsUniformOverItsColumn()
    {
        cards::CardModel model;
        Generator generator;
        const cards::FractionSource fraction = [&] { return generator.reseededFraction(); };
        constexpr int Deals = 100000;
        std::array<std::array<std::array<int, 15>, 26>, 5> counts{};
        for (int deal = 0; deal < Deals; ++deal)
            for (int card = 1; card <= 4; ++card) {
                cards::newcards(model, card, fraction);
                for (int cell = 1; cell <= 25; ++cell) {
                    const int n = model.CardNumbers[card][cell];
                    ++counts[card][cell][n - cards::lowestOfColumn(cards::columnOfCell(cell))];
                }
            }
        const double critical = chiSquareCritical(14, Z1e8);
        for (int card = 1; card <= 4; ++card)
            for (int cell = 1; cell <= 25; ++cell) {
                const double chi = chiSquare(counts[card][cell], Deals / 15.0);
                QVERIFY2(chi < critical, qPrintable(QStringLiteral("card %1 cell %2: %3").arg(card).arg(cell).arg(chi)));
            }
    }

    void aDealKeepsEveryColumnInItsRangeWithoutRepeats()
    {
        cards::CardModel model;
        Generator generator;
        for (int round = 0; round < 500; ++round) {
            for (int card = 1; card <= 4; ++card) {
                model.CardMarks[card].fill(1);
                cards::newcards(model, card, [&] { return generator.reseededFraction(); });
                std::set<int> seen;
                for (int cell = 1; cell <= 25; ++cell) {
                    const int n = model.CardNumbers[card][cell];
                    const int column = cards::columnOfCell(cell);
                    QVERIFY(n >= cards::lowestOfColumn(column) && n <= cards::highestOfColumn(column));
                    QCOMPARE(model.CardMarks[card][cell], 0);
                    seen.insert(n);
                }
                QCOMPARE(int(seen.size()), 25);
                QVERIFY(model.CardNumbers[card][13] >= 31 && model.CardNumbers[card][13] <= 45);
            }
            QVERIFY(std::all_of(model.UsedOnCard.begin(), model.UsedOnCard.end(), [](int u) { return u == 0; }));
        }
        // Cards 0 and 5 do not exist: dealing them changes nothing and draws nothing.
        const auto numbers = model.CardNumbers;
        int draws = 0;
        for (int card : {0, 5})
            cards::newcards(model, card, [&] { return ++draws, 0.5; });
        QCOMPARE(model.CardNumbers, numbers);
        QCOMPARE(draws, 0);
    }
};

QTEST_APPLESS_MAIN(RulesTest)
#include "test_rules.moc"
