#pragma once
// Keeps freed memory in the process. Otherwise glibc hands a parsed tree's pages back after every
// free and the next run pays page faults for them, which on a virtual machine can make one side
// of a comparison several times slower and the ratio meaningless.
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace korvo_bench {

inline void KeepFreedMemory() {
#if defined(__GLIBC__)
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  // The largest threshold glibc accepts (it refuses more, and keeps its default): a 13 MB job
  // ticket's buffers then come from the heap too, not from mappings made and unmade every run.
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
#endif
}

}  // namespace korvo_bench
