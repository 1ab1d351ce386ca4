// A window as the hook's portable code sees it: the handle's bits, 0 for none.
#pragma once

#include <stdint.h>

using WindowId = uintptr_t;
