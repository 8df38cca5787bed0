#pragma once
// Timer intervals, the millisecond tick and the system beep.

#include <QtGlobal>

namespace platform {

// The interval to use for a timer of `ms` milliseconds: the product uses its
// real intervals; tests shorten them all through VELMORA_TIMER_SCALE (a
// decimal factor, default 1). Never less than 1 ms.
int scaledInterval(int ms);
double timerScale();

// Milliseconds of a steady clock, wrapping at 2^32 like the system tick count.
quint32 tickCount();

// The system's default beep.
void beep();

} // namespace platform
