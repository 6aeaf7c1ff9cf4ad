#pragma once

// Lets pending events run from inside a long drawing. It processes them at most
// every few milliseconds and returns at once otherwise, so calling it after every
// point costs next to nothing. Handlers may run nested inside it.
void yieldToEvents();
