// The class id under which mousepages.dll serves its property-sheet extension.
#pragma once

#include <windows.h>

namespace mousepages {

// {73c6d708-7b4c-4908-a9a5-c75e26c18dea}
constexpr CLSID kMousePagesClsid = {0x73c6d708, 0x7b4c, 0x4908, {0xa9, 0xa5, 0xc7, 0x5e, 0x26, 0xc1, 0x8d, 0xea}};

}  // namespace mousepages
