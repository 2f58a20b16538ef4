#include <malloc.h>

namespace {

// The benchmarks run with the same allocator settings as the programs, so freed series memory is reused.
const bool réglé = [] {
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    return true;
}();

}  // namespace
