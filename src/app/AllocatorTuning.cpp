#include "AllocatorTuning.h"

#include <malloc.h>

void TuneAllocatorForLongLists() {
    mallopt(M_MXFAST, 0);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
}
