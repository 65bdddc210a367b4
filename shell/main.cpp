#include "shell/hand_over.h"

int main(int argc, char** argv) {
    // A command (lunara now, lunara events) is answered by lunara-cli, with no display.
    if (lunara::isCommand(argc, argv)) {
        return lunara::handOverToCommands(argc, argv);
    }
    return lunara::startWindows(argc, argv);
}
