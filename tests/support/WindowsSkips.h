// Tests that need what only POSIX systems give (fork, other users, mounts,
// file-size limits, symbolic links) are built there alone. On Windows each
// is still listed by its name, skipped with the reason, so that a run there
// shows what it did not try.
#pragma once

#include <gtest/gtest.h>

#define SKIPPED_ON_WINDOWS(suite, name, reason)                                                    \
    TEST(suite, name) {                                                                            \
        GTEST_SKIP() << reason;                                                                    \
    }
