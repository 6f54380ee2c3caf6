// SPDX-License-Identifier: GPL-3.0-or-later
// How long the game's work takes: the call tick with its voice, a new game, a deal, a
// refresh, a chip, a claim, the hall of fame file and window.
#include "announcer/mediacontrol.h"
#include "halloffame/fame.h"
#include "windows/bingo.h"
#include "windows/tile.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

struct RunningGame {
    Bingo bingo;
    RunningGame()
    {
        bingo.start();
        bingo.mainWindow()->Command3->click();
    }
    void restartWhenAllCalled()
    {
        if (bingo.state().CallCount == 75) {
            bingo.controller().NewGame();
            bingo.mainWindow()->Command3->click();
        }
    }
};

void BM_CallTick(benchmark::State& state)
{
    RunningGame game;
    for (auto _ : state) {
        state.PauseTiming();
        game.restartWhenAllCalled();
        state.ResumeTiming();
        emit game.bingo.info()->Timer1_Timer();  // PickNumber, PlayCallSound, RefreshAll
        QCoreApplication::processEvents();  // and the repaint the player waits for
    }
}
BENCHMARK(BM_CallTick)->Unit(benchmark::kMicrosecond);

void BM_PlayCallSound(benchmark::State& state)
{
    RunningGame game;
    int n = 0;
    for (auto _ : state) {
        game.bingo.controller().PlayCallSound(n % 75 + 1);  // returns once the sound is queued
        ++n;
    }
}
BENCHMARK(BM_PlayCallSound)->Unit(benchmark::kMicrosecond);

void BM_NewBingoGame(benchmark::State& state)
{
    RunningGame game;
    for (auto _ : state)
        game.bingo.controller().NewBingoGame();
}
BENCHMARK(BM_NewBingoGame)->Unit(benchmark::kMicrosecond);

void BM_DealOneCard(benchmark::State& state)
{
    RunningGame game;
    for (auto _ : state)
        game.bingo.controller().newcards(1);
}
BENCHMARK(BM_DealOneCard)->Unit(benchmark::kMicrosecond);

void BM_RefreshAll(benchmark::State& state)
{
    RunningGame game;
    for (auto _ : state)
        game.bingo.controller().RefreshAll();
}
BENCHMARK(BM_RefreshAll)->Unit(benchmark::kMicrosecond);

void BM_CellClick(benchmark::State& state)
{
    RunningGame game;
    Tile* tile = game.bingo.cardsTable()->cell(2, 7);
    for (auto _ : state)
        QTest::mouseClick(tile, Qt::LeftButton, {}, tile->labelRect().center());
}
BENCHMARK(BM_CellClick)->Unit(benchmark::kMicrosecond);

void BM_ClaimCheck(benchmark::State& state)
{
    RunningGame game;  // one call, so no card can hold a pattern: the check runs in full
    for (auto _ : state)
        game.bingo.controller().CheckCardForBingo(3);
}
BENCHMARK(BM_ClaimCheck)->Unit(benchmark::kMicrosecond);

FameTable fullTable()
{
    FameTable table;
    for (int slot = 0; slot < FameSlots; ++slot)
        table[slot] = {QStringLiteral("Player number %1, of the club").arg(slot), qint16(slot), 1, {}};
    return table;
}

void BM_ReadFameFile(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(FameFileName);
    QByteArray bytes = fameFileBytes(fullTable());
    bytes += "\"Slot 51\",9,1\r\n";  // a 52nd record, as some files hold
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.close();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadFameFile(path));
}
BENCHMARK(BM_ReadFameFile)->Unit(benchmark::kMicrosecond);

void BM_WriteFameFile(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(FameFileName);
    const FameTable table = fullTable();
    for (auto _ : state)
        writeFameFile(table, path);
}
BENCHMARK(BM_WriteFameFile)->Unit(benchmark::kMicrosecond);

void BM_OpenHallOfFame(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString old = QDir::currentPath();
    QDir::setCurrent(folder.path());
    writeFameFile(fullTable());
    RunningGame game;
    for (auto _ : state) {
        game.bingo.mnuHallofFame_Click();
        state.PauseTiming();
        game.bingo.hallOfFame()->Command1->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    QDir::setCurrent(old);
}
BENCHMARK(BM_OpenHallOfFame)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
