#pragma once

// The only places where the program lets pending window events run in the
// middle of an operation. Long operations (pause countdowns, tickers, loading)
// call these so clicks and timer ticks are handled meanwhile; nothing else
// spins its own event loop.
namespace klangtruhe {

// Runs all pending window events once, then returns.
void doEvents();

// Waits for ms milliseconds while window events run.
void sleepMs(int ms);

// Seconds on a monotonic clock (fractional). Used where the program compares
// "now" with an end time; never jumps back at midnight.
double timeOfDay();

} // namespace klangtruhe
