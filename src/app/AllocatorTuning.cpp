#include "AllocatorTuning.h"

#include <malloc.h>

void TuneAllocatorForLongLists() { mallopt(M_MXFAST, 0); }
