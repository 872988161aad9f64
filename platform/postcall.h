// Calls handed from any thread to the program's main thread, to run from its event loop.
#pragma once

#include <cstddef>
#include <functional>

class QObject;

namespace platform {

// Runs call later on the main thread, from its event loop, unless context (an object living
// on the main thread) has been destroyed by then. Any thread may post; calls run in the order
// they were posted, and a call that opens a modal window lets the calls after it run inside
// that window's loop, as queued calls do. The call and what it holds are handed over under a
// lock of ours, so that a thread checker sees the hand-over, which Qt's own event queue hides
// from it. The caller must make sure context outlives this call itself.
void PostCall(QObject* context, std::function<void()> call);

// How many posted calls wait for the event loop and will run, their objects still alive (0
// without an application object). Called on the main thread.
size_t PostedCallsWaiting();

} // namespace platform
