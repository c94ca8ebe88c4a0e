#include "Globals.h"

// Constructed before main runs, as a global with static storage, so the
// window finds the defaults here from its first refresh on.
KaveloConfigParser mCF;

char configFileName[kConfigFileNameSize];
