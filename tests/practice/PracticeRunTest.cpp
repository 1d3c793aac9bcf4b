#include <gtest/gtest.h>
#include "FakePlatform.h"
TEST(Placeholder, Builds) {}
