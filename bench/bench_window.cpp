// A draw as the window runs it, from the click to the handler's return with every list up to
// date, beside the pairing state's own draw of the same roster.
#include "PairingState.h"
#include "Unit1.h"

#include <QApplication>
#include <QListView>
#include <QScrollBar>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdint>
#include <string>

namespace {

void fillRoster(pairing::PairingState& state, std::int64_t players)
{
    for (std::int64_t i = 0; i < players; ++i) {
        state.setEntryText(u"Player " + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)) +
                           std::u16string(1, static_cast<char16_t>(u'a' + (i / 26) % 26)));
        state.addPlayer();
    }
}

// Clearing the columns between draws is not part of a draw, and google-benchmark's pause and
// resume cost more than they hide at this size: time each draw by hand.
template <typename Draw> void timeDraw(benchmark::State& state, Draw draw)
{
    const auto start = std::chrono::steady_clock::now();
    draw();
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
}

void BM_StateDraw(benchmark::State& state)
{
    pairing::PairingState pairing;
    fillRoster(pairing, state.range(0));
    for (auto _ : state) {
        pairing.clearColumns();
        timeDraw(state, [&pairing] { pairing.draw(); });
    }
}
BENCHMARK(BM_StateDraw)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_WindowDraw(benchmark::State& state)
{
    TForm1 window;
    window.show();
    QApplication::processEvents();
    fillRoster(window.state(), state.range(0));
    QApplication::processEvents();
    for (auto _ : state) {
        window.N4Click();
        QApplication::processEvents();
        timeDraw(state, [&window] { window.Button2Click(); });
    }
}
BENCHMARK(BM_WindowDraw)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);

// A roster of a million players: jump the view to a new place and repaint it.
void BM_ScrollMillionRoster(benchmark::State& state)
{
    TForm1 window;
    window.show();
    fillRoster(window.state(), 1'000'000);
    auto* roster = window.findChild<QListView*>(QStringLiteral("ListBox1"));
    QApplication::processEvents();
    QScrollBar* bar = roster->verticalScrollBar();
    int step = 0;
    for (auto _ : state) {
        bar->setValue(
            static_cast<int>((static_cast<std::int64_t>(step) * 7919) % (bar->maximum() + 1)));
        roster->viewport()->repaint();
        ++step;
    }
}
BENCHMARK(BM_ScrollMillionRoster)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
