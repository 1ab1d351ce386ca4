#include "agent/logic/filter_list.h"

#include <vector>

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

std::vector<std::string> Entries(const std::string& list) {
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t end = list.find('\0', start);
        const std::size_t stop = end == std::string::npos ? list.size() : end;
        if (stop == start) break;
        entries.push_back(list.substr(start, stop - start));
        start = stop + 1;
    }
    return entries;
}

std::string Join(const std::vector<std::string>& entries) {
    std::string list;
    for (const std::string& entry : entries) {
        list += entry;
        list += '\0';
    }
    list += '\0';
    return list;
}

std::size_t FindEntry(const std::vector<std::string>& entries, const std::string& name) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (SameIgnoringCase(entries[i], name)) return i;
    }
    return entries.size();
}

// Where a new entry goes in front of; entries.size() is the end.
std::size_t InsertionPoint(const FilterCommand& command, const std::vector<std::string>& entries) {
    switch (command.position) {
    case FilterPosition::Last: return entries.size();
    case FilterPosition::Before: {
        const std::size_t found = FindEntry(entries, command.reference);
        return found == entries.size() ? 0 : found;
    }
    case FilterPosition::After: {
        const std::size_t found = FindEntry(entries, command.reference);
        return found == entries.size() ? entries.size() : found + 1;
    }
    default: return 0;
    }
}

}  // namespace

std::string NormaliseFilterList(const char* bytes, std::size_t size) {
    return Join(Entries(std::string(bytes ? bytes : "", bytes ? size : 0)));
}

FilterListEdit EditFilterList(const FilterCommand& command, const std::string& list) {
    std::vector<std::string> entries = Entries(list);
    if (command.position == FilterPosition::Remove) {
        std::vector<std::string> kept;
        for (const std::string& entry : entries) {
            if (!SameIgnoringCase(entry, command.reference)) kept.push_back(entry);
        }
        if (kept.size() == entries.size()) return {FilterListOutcome::Unchanged, list};
        return {FilterListOutcome::Removed, kept.empty() ? std::string() : Join(kept)};
    }
    if (FindEntry(entries, command.filter_name) != entries.size()) {
        return {FilterListOutcome::AlreadyPresent, list};
    }
    const std::size_t at = InsertionPoint(command, entries);
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(at), command.filter_name);
    return {FilterListOutcome::Inserted, Join(entries)};
}

bool HardwareIdMatches(const char* ids, std::size_t size, const std::string& wanted) {
    constexpr std::size_t kRevisionAt = 26;
    constexpr std::size_t kRevisionDigits = 4;
    std::size_t length = 0;
    while (length < size && ids[length] != '\0') ++length;
    std::string first(ids, length);
    if (first.size() >= kRevisionAt + kRevisionDigits) first.replace(kRevisionAt, kRevisionDigits, "9999");
    return SameIgnoringCase(first, wanted);
}
