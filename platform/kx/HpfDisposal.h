#pragma once

#include <QThreadPool>

#include <memory>
#include <utility>

namespace Kx {

// Freeing a million rows, or a hash of a million keys, takes longer than a frame; below this
// many items it is not worth a thread.
constexpr int kDisposeAwayFrom = 10000;

// Takes garbage and frees it on a worker when it holds many items, else at once. What it holds
// must be safe to destroy on any thread (shared rows, implicitly shared Qt containers, strings).
// The worker holds the only reference: were one left here, the worker could drop its own first
// and leave the freeing to this thread after all.
template <class T> void disposeAway(T garbage, int items)
{
    if (items < kDisposeAwayFrom)
        return;
    auto held = std::make_unique<T>(std::move(garbage));
    QThreadPool::globalInstance()->start(
        [held = std::shared_ptr<T>(std::move(held))]() mutable { held.reset(); });
}

} // namespace Kx
