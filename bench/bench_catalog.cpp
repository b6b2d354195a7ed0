#include "bench_support.h"
namespace bench {
void register_catalog() {}
}  // namespace bench
