// Helpers for the text utility tests.
#pragma once

#include <string>

#include "c_abi/libstring.h"
#include "tolmerdll.h"
#include "test_support.h"

namespace text_test {

// The bytes of a LibString result, which is released.
using test_support::take;

}  // namespace text_test
