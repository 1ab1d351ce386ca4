// Runs a program of the build folder with its output caught in a file, for tests that check
// what a person would read on the console.
#pragma once

#include <string>
#include <vector>

namespace simtest {

struct ProgramRun {
    bool started = false;
    unsigned long exit_code = 0;
    std::string output;  // standard output and standard error together
};

// command_tail: the arguments after the program's name.
ProgramRun RunProgram(const char* program, const std::string& command_tail);

// Empty when every line is found in `output`, each after the one before; else what is missing,
// with the output, for the failure message.
std::string MissingInOrder(const std::string& output, const std::vector<const char*>& lines);

// Writes text to a new file in the temporary folder; its full path.
std::string WriteTempFile(const char* name, const std::string& text);

}  // namespace simtest
