#pragma once

// lunara's windows: everything the program does when it is started without a command (the launcher,
// the tray and reminders in the background, --help, --version). On ELF systems they are the program
// lunara-windows, which lunara hands over to; elsewhere lunara calls this (shell/CMakeLists.txt).

namespace lunara {

// Runs the windows; returns the process's exit status.
int windowsMain(int argc, char** argv);

} // namespace lunara
