// The parts of a machine that a setup changes, taken down at one moment so that two moments can
// be compared: registry trees key by key and value by value, folders file by file.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace setup_test {

struct RegistryTree {
    HKEY root;
    const char* root_name;  // how the differences spell the root: "HKLM", "HKCR"
    const char* path;
};

class MachineState {
public:
    static MachineState Take(const std::vector<RegistryTree>& trees, const std::vector<std::string>& folders);

    // One line for each key, value, folder or file that `later` added ("+ "), lost ("- ") or
    // holds otherwise ("~ "), followed by its full name: "HKLM\Software\Key", "HKLM\Software\Key
    // [Value]", "C:\Folder\", "C:\Folder\file.dll".
    std::vector<std::string> ChangesTo(const MachineState& later) const;

private:
    void AddKey(HKEY key, const std::string& name);
    void AddFolder(const std::string& folder);

    std::map<std::string, std::string> entries_;  // full name -> what it holds
};

}  // namespace setup_test
