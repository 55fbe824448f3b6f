#include "platform/rtl/heap.h"

#include <malloc.h>

namespace Heap {

void Keep_Freed_Memory()
{
    // Up to 128 MB of free memory at the top of the heap is kept.
    mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
    // Setting the trim threshold ends the allocator's own adjustment of
    // the mmap threshold: blocks up to 32 MB (the allocator's ceiling) are
    // taken from the heap, so freeing a large row vector does not unmap it.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
}

}  // namespace Heap
