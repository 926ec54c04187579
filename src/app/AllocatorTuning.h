#pragma once

// Long lists let go of hundreds of thousands of small texts at once. glibc
// keeps such frees aside ("fast bins") and merges them all in one go at some
// later, larger allocation, which then stalls the window for a tenth of a
// second or more. With fast bins off every free merges at once: the same work,
// spread out, and no stall builds up. Memory let go is also kept (up to
// 128 MB) for the next list rather than handed back to the system and faulted
// in again page by page. Call first thing in main().
void TuneAllocatorForLongLists();
