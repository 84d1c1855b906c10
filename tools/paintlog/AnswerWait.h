#pragma once

namespace kit {

// Runs the event loop until every query sent to the simulated servers has been answered and the
// answers' queued signals have reached the GUI thread. False when timeoutMs passed first.
bool waitForAnswers(int timeoutMs = 5000);

// Runs the event loop for ms milliseconds.
void processEventsFor(int ms);

} // namespace kit
