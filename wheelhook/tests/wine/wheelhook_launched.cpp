// The program the wheel button's launch rows start in the tests; it shows that it ran:
//   wheelhook_launched touch PATH                 creates the file PATH
//   wheelhook_launched busy NAME                  a program slow to become ready for input: it
//                                                 makes a window, creates NAME.started in the
//                                                 temporary folder, and without taking a message
//                                                 waits up to 20 s for the event NAME; then
//                                                 NAME.result there reads "released" or
//                                                 "abandoned" (names short enough for a launch
//                                                 command of 127 characters)
//   wheelhook_launched                            creates its own path with ".ran" appended
// Any other command line does nothing (exit code 64).
#include <windows.h>

#include <cstring>
#include <string>

namespace {

bool WriteText(const std::string& path, const char* text) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool done = ::WriteFile(file, text, static_cast<DWORD>(std::strlen(text)), &written, nullptr) != FALSE;
    CloseHandle(file);
    return done;
}

int Busy(const char* name) {
    char temp[MAX_PATH];
    const DWORD length = GetTempPathA(sizeof temp, temp);
    const std::string files = std::string(temp, length < sizeof temp ? length : 0) + name;
    // A window gives the process the input queue whose readiness a waiting launcher looks for.
    HWND window = CreateWindowExA(0, "STATIC", "busy", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HANDLE go = OpenEventA(SYNCHRONIZE, FALSE, name);
    if (!window || !go || !WriteText(files + ".started", "")) return 3;
    const bool released = WaitForSingleObject(go, 20000) == WAIT_OBJECT_0;
    CloseHandle(go);
    return WriteText(files + ".result", released ? "released" : "abandoned") ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "touch") == 0) return WriteText(argv[2], "") ? 0 : 2;
    if (argc == 3 && std::strcmp(argv[1], "busy") == 0) return Busy(argv[2]);
    if (argc == 1) {
        char self[MAX_PATH];
        const DWORD length = GetModuleFileNameA(nullptr, self, sizeof self);
        if (length == 0 || length >= sizeof self) return 2;
        return WriteText(std::string(self) + ".ran", "") ? 0 : 2;
    }
    return 64;
}
