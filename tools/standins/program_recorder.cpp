// program_recorder.exe: stands in for a program the agent starts (a browser, a player, Word,
// Calculator, Explorer), copied under that program's name. It appends one line to the file
// named by KB_STANDIN_RECORD, "<its own file name>|<its command line>", and ends. Never shipped.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main() {
    const char* record = std::getenv("KB_STANDIN_RECORD");
    if (!record) return 2;
    char module[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, module, sizeof module);
    const char* name = std::strrchr(module, '\\');
    name = name ? name + 1 : module;
    FILE* file = std::fopen(record, "a");
    if (!file) return 1;
    std::fprintf(file, "%s|%s\n", name, GetCommandLineA());
    std::fclose(file);
    return 0;
}
