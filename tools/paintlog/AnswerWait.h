#pragma once

namespace kit {

// Runs the event loop until every query sent to the simulated servers has been answered, the
// answers' queued signals have reached the GUI thread, no table is still loading, sorting or
// filtering on a worker and no shown window shows a loading mask. False when timeoutMs passed first.
bool waitForAnswers(int timeoutMs = 5000);

// Runs the event loop for ms milliseconds.
void processEventsFor(int ms);

} // namespace kit
