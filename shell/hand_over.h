#pragma once

// `lunara now`, `lunara today` and `lunara events` are lunara-cli's: the program installed beside
// lunara that answers them with Qt Core alone. A command is handed over before anything else is
// done: exec replaces this process with lunara-cli (same process, same arguments and standard
// streams); on Windows lunara-cli runs and its status is returned. Where the windows are a program
// of their own (ELF systems), lunara maps no Qt library at all.
// Standard C++ and the system's calls only.

namespace lunara {

// Whether the first argument names one of lunara-cli's commands.
bool isCommand(int argc, char** argv);

// Runs lunara-cli with these arguments. Returns only where exec is not used (Windows: the command's
// exit status) or when lunara-cli cannot be started (1, after one line on standard error).
int handOverToCommands(int argc, char** argv);

// Runs the program with its windows (no command was given): hands over to lunara-windows where it
// is a program of its own, otherwise runs them linked in. Returns the process's exit status (where
// the hand-over fails: 1, after one line on standard error).
int startWindows(int argc, char** argv);

} // namespace lunara
