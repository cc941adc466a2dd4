// The number the host gives a new region, passed on as it is.
#include <gtest/gtest.h>

#include "api/project/marker_operations.hpp"
#include "entry/host_import.hpp"

using namespace KV_COBALT;

namespace {

int host_answer = 0;
int answer_add(ReaProject*, bool, double, double, const char*, int, int) { return host_answer; }

TEST(AddRegionMarker, OnlyTheHostsFailureIsFalseAndEveryNumberIsPassedOn) {
  host::AddProjectMarker2.resolve(reinterpret_cast<void*>(&answer_add));
  const auto added = [](int answer, int* number) {
    host_answer = answer;
    *number = 7;
    return AddRegionMarker(nullptr, 1, 2, "verse", 3, 0, number);
  };
  int number = 0;
  EXPECT_TRUE(added(0, &number)) << "a host that numbers regions from 0";
  EXPECT_EQ(number, 0);
  EXPECT_TRUE(added(3, &number));
  EXPECT_EQ(number, 3);
  EXPECT_FALSE(added(-1, &number)) << "the host added nothing";
  EXPECT_EQ(number, -1);
  host::AddProjectMarker2.resolve(nullptr);
}

}  // namespace
