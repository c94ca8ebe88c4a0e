// The program's one settings object. It lives for the whole run, belongs to
// no object, and holds the default settings before main starts.
#pragma once

#include "KaveloConfigParser.h"

extern KaveloConfigParser mCF;
