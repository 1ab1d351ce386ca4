// A second process for the wheel hook's tests. It maps wheelhook.dll (imported by ordinal)
// and acts from the state that the library shares between processes:
//   wheelhook_peer scroll WINDOW DELTA   ProcWheelEx on WINDOW (a decimal handle); exit code
//                                        is its result
//   wheelhook_peer touch PATH            creates the file PATH (a program to launch)
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "wheelhook/wheelhook.h"

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "scroll") == 0) {
        HWND window = reinterpret_cast<HWND>(std::strtoul(argv[2], nullptr, 10));
        return ProcWheelEx(window, 0, static_cast<short>(std::atoi(argv[3])));
    }
    if (argc == 3 && std::strcmp(argv[1], "touch") == 0) {
        HANDLE file = CreateFileA(argv[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return 2;
        CloseHandle(file);
        return 0;
    }
    return 64;
}
