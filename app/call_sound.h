// The call at prayer time made audible, driven by the clock's timer: a window that is
// covered, and so never painted, still calls.
#pragma once

namespace veloranth::app {

// Plays the call of each prayer whose moment has come (reports/prayer_call.h) on the
// device's clock, today's or the day before's (an Isha after midnight), once: the file or
// tone that data.cfg's line 10 asks for, or nothing.
void SoundDueCalls();

}  // namespace veloranth::app
