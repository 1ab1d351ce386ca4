#include "setup/tests/wine/machine_state.h"

namespace setup_test {

namespace {

std::string Fingerprint(DWORD type, const BYTE* data, DWORD size) {
    return std::to_string(type) + ":" + std::string(reinterpret_cast<const char*>(data), size);
}

}  // namespace

MachineState MachineState::Take(const std::vector<RegistryTree>& trees, const std::vector<std::string>& folders) {
    MachineState state;
    for (const RegistryTree& tree : trees) {
        HKEY key;
        if (RegOpenKeyExA(tree.root, tree.path, 0, KEY_READ, &key) != ERROR_SUCCESS) continue;
        state.AddKey(key, tree.path[0] != '\0' ? std::string(tree.root_name) + "\\" + tree.path : tree.root_name);
        RegCloseKey(key);
    }
    for (const std::string& folder : folders) state.AddFolder(folder);
    return state;
}

void MachineState::AddKey(HKEY key, const std::string& name) {
    entries_[name] = "";
    DWORD subkey_length = 0;
    DWORD value_name_length = 0;
    DWORD data_size = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, &subkey_length, nullptr, nullptr,
                         &value_name_length, &data_size, nullptr, nullptr) != ERROR_SUCCESS) {
        return;
    }
    std::vector<char> value_name(value_name_length + 1);
    std::vector<BYTE> data(data_size + 1);
    for (DWORD i = 0;; ++i) {
        DWORD name_size = static_cast<DWORD>(value_name.size());
        DWORD size = static_cast<DWORD>(data.size());
        DWORD type = 0;
        if (RegEnumValueA(key, i, value_name.data(), &name_size, nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
            break;
        entries_[name + " [" + std::string(value_name.data(), name_size) + "]"] = Fingerprint(type, data.data(), size);
    }
    std::vector<char> subkey(subkey_length + 1);
    for (DWORD i = 0;; ++i) {
        DWORD size = static_cast<DWORD>(subkey.size());
        if (RegEnumKeyExA(key, i, subkey.data(), &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        HKEY child;
        if (RegOpenKeyExA(key, subkey.data(), 0, KEY_READ, &child) != ERROR_SUCCESS) continue;
        AddKey(child, name + "\\" + std::string(subkey.data(), size));
        RegCloseKey(child);
    }
}

void MachineState::AddFolder(const std::string& folder) {
    entries_[folder + "\\"] = "";
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        const std::string path = folder + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            AddFolder(path);
        } else {
            entries_[path] = std::to_string(found.nFileSizeLow) + "@" + std::to_string(found.ftLastWriteTime.dwHighDateTime) +
                             ":" + std::to_string(found.ftLastWriteTime.dwLowDateTime);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

std::vector<std::string> MachineState::ChangesTo(const MachineState& later) const {
    std::vector<std::string> changes;
    for (const auto& [name, content] : later.entries_) {
        const auto before = entries_.find(name);
        if (before == entries_.end()) {
            changes.push_back("+ " + name);
        } else if (before->second != content) {
            changes.push_back("~ " + name);
        }
    }
    for (const auto& [name, content] : entries_) {
        if (later.entries_.count(name) == 0) changes.push_back("- " + name);
    }
    return changes;
}

}  // namespace setup_test
