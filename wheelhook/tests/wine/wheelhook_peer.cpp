// A second process for the wheel hook's tests. It maps wheelhook.dll (imported by ordinal)
// and acts from the state that the library shares between processes:
//   wheelhook_peer scroll WINDOW DELTA   ProcWheelEx on WINDOW (a decimal handle); exit code
//                                        is its result
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "wheelhook/wheelhook.h"

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "scroll") == 0) {
        HWND window = reinterpret_cast<HWND>(std::strtoul(argv[2], nullptr, 10));
        return ProcWheelEx(window, 0, static_cast<short>(std::strtol(argv[3], nullptr, 10)));
    }
    return 64;
}
