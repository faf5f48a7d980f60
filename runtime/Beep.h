#pragma once

#include <functional>

namespace runtime {

// Sounds the system's default beep.
void Beep();

// Replaces the sound with `hook` (tests count beeps with it); an empty hook
// restores the system beep. Returns the previous hook.
std::function<void()> SetBeepHook(std::function<void()> hook);

} // namespace runtime
