// Program entry: the application with its title and the main window as its only
// automatically created form, and the message loop.
#pragma once

// Runs the module with the program's parameters (argv without the program name); an
// Exception that escapes start-up is shown by the application's exception display.
// Returns the exit code, 0.
int ProgramEntry(int argc, char** argv);
