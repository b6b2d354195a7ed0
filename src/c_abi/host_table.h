// The C interface's table of host callbacks, converted into a context's
// host services.
#pragma once

#include "host/services.h"
#include "tolmerdll_host.h"

namespace tolmer::inline v1::abi {

// Installs the callbacks of a C table (null: every platform default). Only
// the members lying entirely within the table's size field are taken; the
// others, and a null callback, keep the platform's service. The table is
// copied: the host may release it after the call.
void install_host_table(host::Services& services, const TolmerHostServices* table);

}  // namespace tolmer::abi
