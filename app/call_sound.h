// The call at prayer time made audible: when the window comes to the front for a prayer.
#pragma once

#include "platform/clock.h"

namespace veloranth::app {

// Plays the call for the prayers whose time it is (bits 1 << SalatKind), each once on the
// clock's day `now`: the file or tone that data.cfg's line 10 asks for, or nothing.
void SoundTheCall(unsigned calling, const platform::LocalDateTime& now);

}  // namespace veloranth::app
