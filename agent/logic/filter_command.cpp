#include "agent/logic/filter_command.h"

#include <cstddef>
#include <vector>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Blanks and tabs separate tokens; a token in double quotes keeps its blanks and loses the quotes.
std::vector<std::string> SplitTokens(const char* text) {
    std::vector<std::string> tokens;
    const char* p = text;
    while (*p) {
        while (IsBlank(*p)) ++p;
        if (!*p) break;
        std::string token;
        if (*p == '"') {
            ++p;
            while (*p && *p != '"') token += *p++;
            if (*p == '"') ++p;
        } else {
            while (*p && !IsBlank(*p)) token += *p++;
        }
        tokens.push_back(token);
    }
    return tokens;
}

enum class Option { Upper, Lower, First, Last, Add, Remove, Before, After, Unknown };

struct OptionWord {
    const char* word;
    Option option;
};

// The order in which an abbreviation is tried: "-l" is "lower", never "last".
constexpr OptionWord kOptionWords[] = {
    {"upper", Option::Upper},   {"lower", Option::Lower},   {"first", Option::First},
    {"last", Option::Last},     {"add", Option::Add},       {"remove", Option::Remove},
    {"before", Option::Before}, {"after", Option::After},
};

Option MatchOption(const std::string& rest) {
    for (const OptionWord& candidate : kOptionWords) {
        const std::string word = candidate.word;
        const std::size_t length = rest.size() < word.size() ? rest.size() : word.size();
        bool same = true;
        for (std::size_t i = 0; i < length && same; ++i) same = Lower(rest[i]) == word[i];
        if (same) return candidate.option;
    }
    return Option::Unknown;
}

}  // namespace

bool ParseFilterCommand(const char* text, FilterCommand* command) {
    FilterCommand parsed;
    const std::vector<std::string> tokens = SplitTokens(text);
    int plain_tokens = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::string& token = tokens[i];
        if (!token.empty() && (token[0] == '-' || token[0] == '/')) {
            const Option option = MatchOption(token.substr(1));
            switch (option) {
            case Option::Upper: parsed.list = FilterListKind::Upper; break;
            case Option::Lower: parsed.list = FilterListKind::Lower; break;
            case Option::First:
            case Option::Add: parsed.position = FilterPosition::First; break;
            case Option::Last: parsed.position = FilterPosition::Last; break;
            case Option::Remove: parsed.position = FilterPosition::Remove; break;
            case Option::Before:
            case Option::After:
                if (i + 1 == tokens.size()) return false;
                parsed.position = option == Option::Before ? FilterPosition::Before : FilterPosition::After;
                parsed.reference = tokens[++i];
                break;
            case Option::Unknown: return false;
            }
            continue;
        }
        if (plain_tokens == 0) {
            parsed.hardware_id = token;
        } else if (plain_tokens == 1) {
            parsed.filter_name = token;
        } else {
            return false;
        }
        ++plain_tokens;
    }
    if (parsed.hardware_id.empty() || parsed.filter_name.empty()) return false;
    if (parsed.position == FilterPosition::Remove) parsed.reference = parsed.filter_name;
    *command = parsed;
    return true;
}
