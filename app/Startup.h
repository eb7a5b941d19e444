#pragma once

#include <functional>

namespace toolkit {
class Application;
}

namespace app {

// Start-up stages, in order; a test can make one of them fail.
enum class Stage { CreateForm1, CreateForm2, CreateForm3 };
using StageHook = std::function<void(Stage)>;

// Prepares what the windows need before any of them exists: font stand-ins,
// the program icon and what Qt WebEngine needs before the first view.
void prepareApplication(toolkit::Application& app);

// Creates Form1, Form2 and Form3 in that order (the last two hidden), shows
// Form1, runs the main loop until Form1 is closed and destroys the windows,
// the last created first. Returns the exit code: 0 after a normal end, 1 when
// the windows could not be created (reported in an "Application Error" box).
int run(toolkit::Application& app, const StageHook& beforeStage = {});

} // namespace app
