#pragma once

#include <QCoreApplication>

// The command line's own sentences (the context lunara --help has too); what the windows say
// too is said in the windows' words.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};
