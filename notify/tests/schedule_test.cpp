#include "notify/schedule.h"

#include <gtest/gtest.h>

TEST(Schedule, Placeholder) {}
