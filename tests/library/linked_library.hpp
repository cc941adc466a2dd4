#pragma once
// The library linked into the test program and started by the simulated host
// as if the host had loaded it, so its internal functions can be called.
#include <gtest/gtest.h>

#include "entry/plugin.hpp"
#include "loader/extension.hpp"
#include "simulation.hpp"

struct linked_library : ::testing::Test {
  void SetUp() override {
    kvhost::reset();
    ASSERT_EQ(ReaperPluginEntry(nullptr, kvhost::host_record()), 1);
  }
  void TearDown() override { ReaperPluginEntry(nullptr, nullptr); }
};
