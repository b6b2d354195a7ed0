#include "bench_support.h"
namespace bench {
void register_measure() {}
}  // namespace bench
