#pragma once

#include <functional>

class QApplication;

namespace runtime {

class Form;

// Starts the program: loads and shows the start-up window, then runs the
// event loop until no window is loaded. Returns the exit status.
int RunProgram(int &argc, char **argv, Form &(*startupForm)());

// Loads and shows the start-up window, as the program's start does; tests
// start the program again this way once it has ended.
void StartProgram(Form &(*startupForm)());

// Settings every QApplication of this program needs (fonts, end rule); tests
// call it on theirs.
void PrepareApplication(QApplication &app);

// Runs an event handler of the program. When the outermost handler returns
// and no window is loaded, the program ends.
void RunHandler(const std::function<void()> &handler);

// Replaces what ending the program does (tests watch it); an empty hook
// restores the standard end, which leaves the event loop. Returns the
// previous hook.
std::function<void()> SetProgramEndHook(std::function<void()> hook);

} // namespace runtime
