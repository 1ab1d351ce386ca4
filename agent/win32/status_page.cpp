#include "agent/win32/status_page.h"

#include <windows.h>

#include <cstring>

namespace {

const char kClassId[] = "{c760afa1-df5a-4349-b9f3-ccfafa3cd4ea}";
const char kMaker[] = "Orvanta";
const char kServerFile[] = "statuspage.DLL";

void SetText(HKEY key, const char* name, const char* text) {
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), static_cast<DWORD>(std::strlen(text)) + 1);
}

// Creates the key with its default text, but leaves a key that exists as it is.
void CreateOnce(HKEY root, const char* path, const char* default_text) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        RegCloseKey(key);
        return;
    }
    if (RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) return;
    SetText(key, nullptr, default_text);
    RegCloseKey(key);
}

void RegisterServer() {
    char path[256];
    char text[128];
    wsprintfA(path, "CLSID\\%s", kClassId);
    wsprintfA(text, "%s RF Status", kMaker);
    CreateOnce(HKEY_CLASSES_ROOT, path, text);

    wsprintfA(path, "CLSID\\%s\\InProcServer32", kClassId);
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) == ERROR_SUCCESS) {
        SetText(key, nullptr, kServerFile);
        SetText(key, "ThreadingModel", "Apartment");
        RegCloseKey(key);
    }

    wsprintfA(path,
              "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Controls Folder\\Keyboard\\shellex\\"
              "PropertySheetHandlers\\%s ZI Dodoveda Status",
              kMaker);
    CreateOnce(HKEY_LOCAL_MACHINE, path, kClassId);
}

// The server ships beside keyagent.exe. Not the current folder: started at logon from the Run
// key, the agent has another program's current folder, where the file is not, or is another.
bool ServerBesideTheAgent(char* path, DWORD size) {
    const DWORD length = GetModuleFileNameA(nullptr, path, size);
    if (length == 0 || length >= size) return false;
    char* name = std::strrchr(path, '\\');
    if (name == nullptr || static_cast<DWORD>(name + 1 - path) + sizeof kServerFile > size) return false;
    std::memcpy(name + 1, kServerFile, sizeof kServerFile);
    return true;
}

void CopyServerFileIfMissing() {
    char system_dir[128];
    char source[MAX_PATH];
    const UINT system_length = GetSystemDirectoryA(system_dir, sizeof system_dir);
    if (system_length == 0 || system_length >= sizeof system_dir) return;
    if (!ServerBesideTheAgent(source, sizeof source)) return;
    char target[160];
    wsprintfA(target, "%s\\%s", system_dir, kServerFile);
    const HANDLE present =
        CreateFileA(target, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (present != INVALID_HANDLE_VALUE) {
        CloseHandle(present);
        return;
    }
    CopyFileA(source, target, TRUE);
}

}  // namespace

void RegisterStatusPage() {
    RegisterServer();
    CopyServerFileIfMissing();
}
