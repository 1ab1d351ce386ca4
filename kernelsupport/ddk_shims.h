// What the x86_64 kernel headers of mingw-w64 lack and the driver code uses. Each piece is the
// smallest correct stand-in for the DDK's own; on i686 the headers have them all.
#pragma once

#include <ddk/wdm.h>

#if defined(_AMD64_) && !defined(KeMemoryBarrier)
// A full fence, as the DDK's KeMemoryBarrier is on every machine: no load or store moves across.
FORCEINLINE VOID KeMemoryBarrier(VOID) { __atomic_thread_fence(__ATOMIC_SEQ_CST); }
#endif
