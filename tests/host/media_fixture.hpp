#pragma once
// Items built on generated samples, for the media tests.
#include <gtest/gtest.h>

#include <vector>

#include "api/host_api.hpp"
#include "simulation.hpp"

struct media_test : ::testing::Test {
  void SetUp() override {
    kvhost::reset();
    track = kvhost::add_tracks(nullptr, {0})[0];
  }

  // An item at position playing samples (rate, channels) from their start.
  MediaItem* item_of(std::vector<float> samples, double position, double length, int rate = 1000, int channels = 1) {
    return kvhost::add_item(track, position, length, kvhost::create_source(rate, channels, std::move(samples)));
  }

  // 0, 1, 2, ... count-1, scaled.
  static std::vector<float> ramp(int count, float scale) {
    std::vector<float> samples(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) samples[static_cast<std::size_t>(i)] = static_cast<float>(i) * scale;
    return samples;
  }

  MediaTrack* track = nullptr;
};
