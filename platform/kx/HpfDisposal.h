#pragma once

#include "kx/KxGlobal.h"

#include <functional>
#include <memory>
#include <utility>

namespace Kx {

// Freeing a million rows, or a hash of a million keys, takes longer than a frame; below this
// many items it is not worth a thread.
constexpr int kDisposeAwayFrom = 10000;

// Runs the job on the framework's one disposal thread, in the order given. One long-lived
// thread rather than the pool: starting a pool thread while another frees hundreds of
// megabytes can wait for the memory map that the freeing holds.
void runDisposal(std::function<void()> job);
// Returns once every job given so far has run (benchmarks measure with nothing left to free).
KX_EXPORT void waitForDisposals();

// Takes garbage and frees it on the disposal thread when it holds many items, else at once.
// What it holds must be safe to destroy on any thread (shared rows, implicitly shared Qt
// containers, strings). The job holds the only reference: were one left here, the job could
// drop its own first and leave the freeing to this thread after all.
template <class T> void disposeAway(T garbage, int items)
{
    if (items < kDisposeAwayFrom)
        return;
    auto held = std::make_shared<T>(std::move(garbage));
    runDisposal([held = std::move(held)]() mutable { held.reset(); });
}

} // namespace Kx
