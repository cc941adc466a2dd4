#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <stdexcept>
#include <string>

#include "entry/definition.hpp"
#include "entry/host_import.hpp"
#include "entry/operation.hpp"
#include "entry/plugin.hpp"

namespace {

int seen_int;
bool seen_bool;
double seen_double;
MediaTrack* const some_track = reinterpret_cast<MediaTrack*>(0x1234);

bool take(int value, bool flag, double number) {
  seen_int = value;
  seen_bool = flag;
  seen_double = number;
  return value != 0;
}

MediaTrack* track_or_null(bool want) { return want ? some_track : nullptr; }

int scaled_calls;
double scaled(int factor, double number) {
  ++scaled_calls;
  return factor * number;
}

bool throws(int) { throw std::runtime_error("inside"); }
int throws_bad_alloc() { throw std::bad_alloc(); }
const char* throws_other() { throw 7; }

bool uses_missing_host_function(ReaProject* project) { return KV_COBALT::host::CountTracks(project) >= 0; }

void* slot(std::intptr_t value) { return reinterpret_cast<void*>(value); }

}  // namespace

TEST(Vararg, UnpacksSlotsByParameterType) {
  double number = 2.5;
  // Where a slot is wider than an int (64-bit hosts), its high half is ignored.
  const auto wide = static_cast<std::intptr_t>(static_cast<std::uintptr_t>(0x7FFFFFFF00000005ULL));
  void* args[] = {slot(wide), slot(0x100), &number};
  void* result = kv_registry::vararg<&take>(args, 3);
  EXPECT_EQ(seen_int, 5);  // only the low 32 bits
  EXPECT_TRUE(seen_bool);  // any non-zero value
  EXPECT_EQ(seen_double, 2.5);
  EXPECT_EQ(result, slot(1));

  void* negative[] = {slot(static_cast<std::intptr_t>(-3)), slot(0), &number};
  EXPECT_EQ(kv_registry::vararg<&take>(negative, 3), slot(1));
  EXPECT_EQ(seen_int, -3);
  EXPECT_FALSE(seen_bool);

  void* zero[] = {slot(0), slot(0), &number};
  EXPECT_EQ(kv_registry::vararg<&take>(zero, 3), slot(0));
}

TEST(Vararg, ReturnsHandlesAsThemselves) {
  void* yes[] = {slot(1)};
  void* no[] = {slot(0)};
  EXPECT_EQ(kv_registry::vararg<&track_or_null>(yes, 1), static_cast<void*>(some_track));
  EXPECT_EQ(kv_registry::vararg<&track_or_null>(no, 1), nullptr);
}

TEST(Vararg, AShortListIsNotCalled) {
  double number = 2.5;
  void* args[] = {slot(9), slot(1), &number};
  seen_int = 0;
  EXPECT_EQ(kv_registry::vararg<&take>(args, 2), nullptr);
  EXPECT_EQ(seen_int, 0);

  scaled_calls = 0;
  double result = -1;
  void* no_result_slot[] = {slot(2), &number, &result};
  EXPECT_EQ(kv_registry::vararg<&scaled>(no_result_slot, 2), nullptr);
  void* null_result_slot[] = {slot(2), &number, nullptr};
  EXPECT_EQ(kv_registry::vararg<&scaled>(null_result_slot, 3), nullptr);
  EXPECT_EQ(scaled_calls, 0);
  EXPECT_EQ(result, -1);
}

TEST(Vararg, ADoubleResultGoesThroughTheLastCountedSlot) {
  double number = 2.5, result = 0, spare = 0;
  void* args[] = {slot(2), &number, &result};
  EXPECT_EQ(kv_registry::vararg<&scaled>(args, 3), &result);
  EXPECT_EQ(result, 5.0);

  void* longer[] = {slot(3), &number, &spare, &result};
  EXPECT_EQ(kv_registry::vararg<&scaled>(longer, 4), &result);
  EXPECT_EQ(result, 7.5);
  EXPECT_EQ(spare, 0);
}

TEST(Guard, NoExceptionLeavesAnOperation) {
  EXPECT_FALSE((kv_registry::guarded<&throws, "throws">::call(1)));
  void* args[] = {slot(1)};
  EXPECT_EQ((kv_registry::vararg<&kv_registry::guarded<&throws, "throws">::call>(args, 1)), slot(0));
}

TEST(Guard, TheLastStoppedExceptionIsKeptWithItsFunction) {
  const auto before = kv_registry::last_caught_exception().count;
  EXPECT_FALSE((kv_registry::guarded<&throws, "throws">::call(1)));
  auto caught = kv_registry::last_caught_exception();
  EXPECT_EQ(caught.count, before + 1);
  EXPECT_EQ(caught.function, "throws");
  EXPECT_EQ(caught.what, "inside");
  EXPECT_FALSE(caught.allocation);
  char text[64];
  EXPECT_EQ(kv_last_exception(text, sizeof text), static_cast<int>(before + 1));
  EXPECT_STREQ(text, "throws: inside");
  EXPECT_EQ(kv_last_exception(text, 5), static_cast<int>(before + 1));
  EXPECT_STREQ(text, "thro");
  EXPECT_EQ(kv_last_exception(nullptr, 64), static_cast<int>(before + 1));

  EXPECT_EQ((kv_registry::guarded<&throws_bad_alloc, "throws_bad_alloc">::call()), 0);
  caught = kv_registry::last_caught_exception();
  EXPECT_EQ(caught.function, "throws_bad_alloc");
  EXPECT_TRUE(caught.allocation);

  EXPECT_EQ((kv_registry::guarded<&throws_other, "throws_other">::call()), nullptr);
  caught = kv_registry::last_caught_exception();
  EXPECT_EQ(caught.count, before + 3);
  EXPECT_EQ(caught.what, "unknown exception");
  EXPECT_FALSE(caught.allocation);

  // A call that returns normally leaves the slot as it was.
  void* args[] = {slot(1), slot(0), nullptr};
  double number = 1;
  args[2] = &number;
  EXPECT_TRUE((kv_registry::vararg<&kv_registry::guarded<&take, "take">::call>(args, 3)));
  EXPECT_EQ(kv_registry::last_caught_exception().count, before + 3);
}

TEST(Guard, AnUnresolvedHostFunctionIsNotCalled) {
  ASSERT_FALSE(KV_COBALT::host::CountTracks);
  EXPECT_THROW(uses_missing_host_function(nullptr), KV_COBALT::host::missing_function);
  EXPECT_FALSE((kv_registry::guarded<&uses_missing_host_function, "uses_missing_host_function">::call(nullptr)));
}

TEST(Definition, DerivesTypesFromTheSignatureAndNamesFromTheDeclaration) {
  using text = kv_registry::definition<bool(ReaProject * projID, int trackID, double* volumeOut),
                                       "(ReaProject* projID, int trackID, double* volumeOut)", "[KV:API]Help">;
  std::string expected("bool\0ReaProject*,int,double*\0projID,trackID,volumeOut\0[KV:API]Help\0", 67);
  EXPECT_EQ(std::string(text::text.data(), text::size), expected);
  using none = kv_registry::definition<MediaTrack*(), "()", "[KV:API]x">;
  EXPECT_EQ(std::string(none::text.data(), none::size), std::string("MediaTrack*\0\0\0[KV:API]x\0", 24));
}
