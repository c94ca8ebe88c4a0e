// The window tests' own bus, started before anything in the process connects
// to one, and made the process's system bus: the storage service the window
// looks for there is the tests' fake, or none.
#pragma once

#include "PrivateBus.h"

const PrivateBus& testBus();
