#pragma once
// The program's start: creates the main window (the intro window and the first loading run
// inside its constructor), makes it the application's main window, runs the message loop
// until it closes and frees it. Returns the exit code: 0 after a normal end, 1 when the main
// window could not be created (the "Application Error" box has been shown).
//
// The application object must exist; the program folder is os::programFolder().
namespace expo::presentation {

int Start();

}  // namespace expo::presentation
