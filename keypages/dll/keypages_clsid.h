// The class id under which keypages.dll serves its property-sheet extension.
#pragma once

#include <windows.h>

namespace keypages {

// {94054cfe-34c1-46dc-9c7f-aacef66e8a47}
constexpr CLSID kKeyPagesClsid = {0x94054cfe, 0x34c1, 0x46dc, {0x9c, 0x7f, 0xaa, 0xce, 0xf6, 0x6e, 0x8a, 0x47}};

}  // namespace keypages
