#include "wheelhook/logic/text_compare.h"

namespace {
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

bool EqualsIgnoringCase(const char* left, const char* right) {
    for (; *left != '\0' && *right != '\0'; ++left, ++right)
        if (Lower(*left) != Lower(*right)) return false;
    return *left == *right;
}
