#pragma once

// Lets pending events run from inside a long drawing. It processes them at most
// every few milliseconds and returns at once otherwise, so calling it after every
// point costs next to nothing. Handlers may run nested inside it.
void yieldToEvents();
// Whether yieldToEvents would let events run now: a drawing that computes ahead
// shows what it has before it yields.
bool yieldIsDue();
