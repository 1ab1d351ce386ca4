#include "tools/simulator/desktop/words.h"

namespace sim {

void TellChange(const std::string& now, std::string* before, const char* gone, Lines* said) {
    if (now == *before) return;
    said->push_back(now.empty() ? gone : now);
    *before = now;
}

}  // namespace sim
