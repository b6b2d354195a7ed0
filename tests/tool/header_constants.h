/* The header's constants as a C translation unit sees them. */
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* How many constants header_constants.c lists, and the one at index (0-based). */
int tolmer_c_constant_count(void);
int32_t tolmer_c_constant(int index);

#ifdef __cplusplus
}
#endif
