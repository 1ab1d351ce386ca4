#include "tools/simulator/tests/wine/run_program.h"

#include <windows.h>

#include <cstdio>

#include "tools/winsupport/build_files.h"

namespace simtest {

std::string WriteTempFile(const char* name, const std::string& text) {
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    std::string path = std::string(folder) + name;
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    return path;
}

std::string MissingInOrder(const std::string& output, const std::vector<const char*>& lines) {
    size_t at = 0;
    for (const char* line : lines) {
        size_t found = output.find(line, at);
        if (found == std::string::npos) return std::string("not found after the lines before it: ") + line + "\n" + output;
        at = found + 1;
    }
    return std::string();
}

ProgramRun RunProgram(const char* program, const std::string& command_tail) {
    ProgramRun run;
    // A file of its own for every run: a helper process Wine starts for the program (explorer.exe,
    // when the program first draws) inherits the output handle and may still hold it.
    static unsigned runs = 0;
    const std::string name = "kbsim-output-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++runs) + ".txt";
    std::string output_path = WriteTempFile(name.c_str(), "");
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE output = CreateFileA(output_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE) return run;

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = output;
    std::string command = "\"" + winsupport::BuildFile(program) + "\" " + command_tail;
    PROCESS_INFORMATION process = {};
    run.started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(output);
    if (!run.started) return run;
    WaitForSingleObject(process.hProcess, 120000);
    GetExitCodeProcess(process.hProcess, &run.exit_code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    if (std::FILE* f = std::fopen(output_path.c_str(), "rb")) {
        char chunk[4096];
        for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, f)) > 0;) run.output.append(chunk, n);
        std::fclose(f);
    }
    return run;
}

}  // namespace simtest
