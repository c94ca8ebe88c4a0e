#include "Globals.h"

// Constructed by static initialisation, so the window finds the defaults here
// from its first refresh on.
KaveloConfigParser mCF;

char configFileName[kConfigFileNameSize];
