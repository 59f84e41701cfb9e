#pragma once

#include "Simulator.h"

#include <string>
#include <vector>

namespace morva::gwsim {

struct CommandLine
{
    SimulatorOptions simulator;
    bool commandsFromStdin = false;
    bool quiet = false;
    bool help = false;
};

// Parses gwsim's arguments (without the program name). False with *error
// on a bad or missing argument.
bool parseCommandLine(const std::vector<std::string>& args, CommandLine* commandLine,
                      std::string* error);

// Parses one command line of the --commands protocol ("rotate",
// "hold-signal Stat.sig 5", ...). False with *error when it is not one.
bool parseCommand(const std::string& line, Request* request, std::string* error);

// A file name the simulator may hold: no directory part, not empty.
bool isPlainFileName(const std::string& name);

const char* helpText();

} // namespace morva::gwsim
