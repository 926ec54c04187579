#pragma once

// Lets pending window messages run from inside a long walk: the window
// repaints, but no user input is delivered, so no handler starts in the
// middle of another. Throttled by time, since a repaint per record of a
// long walk would cost minutes.
void PumpEvents();
// The same without the throttle, for the steps between parts of a handler.
void PumpEventsNow();
// True while a pump runs the window's messages from inside a long operation.
bool InsideEventPump();
