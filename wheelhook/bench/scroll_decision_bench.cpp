// The portable part of one wheel event: route, scroll decision over a small window tree, and
// the message-hook rewrite.
#include <benchmark/benchmark.h>

#include "tools/fixtures/window_tree.h"
#include "wheelhook/logic/low_level_route.h"
#include "wheelhook/logic/message_rewrite.h"
#include "wheelhook/logic/scroll_decision.h"

namespace {

WheelSettings LineMode() {
    WheelSettings settings = {0, 3, 0, 0, 96, 2, 0};
    CorrectWheelSettings(settings);
    return settings;
}

void BM_ListBoxNotch(benchmark::State& state) {
    WindowTree tree;
    const WindowId list = tree.Add(tree.Add(0, "Frame", 0), "ListBox", KB_WS_VSCROLL);
    const WheelSettings settings = LineMode();
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the library counts rounds through it
        benchmark::DoNotOptimize(RouteLowLevelEvent(0, KB_WM_MOUSEWHEEL, KB_WM_MOUSEWHEEL, 0, false));
        benchmark::DoNotOptimize(DecideFocusWheel(settings, tree, list, 0, 120, false));
    }
}
BENCHMARK(BM_ListBoxNotch);

// The longest road: no scroll style, the focus and the parent are both searched.
void BM_ParentSearchNotch(benchmark::State& state) {
    WindowTree tree;
    const WindowId parent = tree.Add(0, "Document", 0);
    WindowId focus = 0;
    for (int i = 0; i < 20; ++i) focus = tree.Add(parent, "Static", 0);
    tree.Add(parent, "ScrollBar", KB_SBS_VERT);
    const WheelSettings settings = LineMode();
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the library counts rounds through it
        benchmark::DoNotOptimize(DecideFocusWheel(settings, tree, focus, 0, -120, false));
    }
}
BENCHMARK(BM_ParentSearchNotch);

void BM_MessageRewrite(benchmark::State& state) {
    const WheelSettings settings = LineMode();
    uint32_t wparam = 0x00780000;
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the library counts rounds through it
        benchmark::DoNotOptimize(RewriteWheelMessage(settings, wparam, false));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MessageRewrite);

}  // namespace
