#pragma once
// The allocator's settings for a program that builds and drops large
// tables: freed memory stays with the process (up to a limit) instead of
// going back to the system at every free, and blocks below 32 MB come from
// the heap. A table of 100,000 rows made again after one was dropped then
// reuses the pages it had, instead of faulting each one in anew (on a
// virtual machine a fresh page costs more than the grid's own work on it).
namespace Heap {

// Call once at the start of main, before the first window.
void Keep_Freed_Memory();

}  // namespace Heap
