// Guards for functions that return a view into one of their arguments.
//
// Such a function takes its text as std::string_view marked
// TOLMER_LIFETIME_BOUND, and has a deleted overload for a std::string
// rvalue: a view of a temporary string would dangle at the end of the
// statement, so the call does not compile. Literals, views and named strings
// still bind to the std::string_view parameter.
#pragma once

#include "tolmer/version.h"

#include <string>
#include <type_traits>

namespace tolmer::inline v1::detail {

// A std::string (of any cv-qualification) passed as an rvalue: an argument
// that dies at the end of the full expression.
template <class S>
concept string_rvalue =
    std::same_as<std::remove_cvref_t<S>, std::string> && !std::is_lvalue_reference_v<S>;

}  // namespace tolmer::inline v1::detail
