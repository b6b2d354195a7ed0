// The C++ interface of tolmerdll, in namespace tolmer.
#pragma once

#include "tolmer/version.h"

#include "tolmer/catalog.h"
#include "tolmer/display.h"
#include "tolmer/geometry.h"
#include "tolmer/host.h"
#include "tolmer/host_services.h"
#include "tolmer/length.h"
#include "tolmer/library.h"
#include "tolmer/measure.h"
#include "tolmer/paper.h"
#include "tolmer/paper_types.h"
#include "tolmer/reading.h"
#include "tolmer/scale.h"
#include "tolmer/scale_types.h"
#include "tolmer/text.h"
#include "tolmer/types.h"
