#pragma once

// `lunara now`, `lunara today` and `lunara events` are lunara-cli's: the program installed beside
// lunara that answers them with Qt Core alone. lunara maps Qt Widgets as it starts, so a command is
// handed over before anything else is done: exec replaces this process with lunara-cli (same
// process, same arguments and standard streams); on Windows lunara-cli runs and its status is
// returned.

namespace lunara {

// Whether the first argument names one of lunara-cli's commands.
bool isCommand(int argc, char** argv);

// Runs lunara-cli with these arguments. Returns only where exec is not used (Windows: the command's
// exit status) or when lunara-cli cannot be started (1, after one line on standard error).
int handOverToCommands(int argc, char** argv);

} // namespace lunara
