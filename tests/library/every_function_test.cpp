// Every registered function, called the way the host's script engines call
// it, with null, stale and extreme arguments: none may crash or leak, and a
// bool result is always exactly 0 or 1.
#include <climits>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "api/host_api.hpp"
#include "entry/registry.hpp"
#include "linked_library.hpp"
#include "lua/definition_parse.hpp"

namespace {

namespace fs = std::filesystem;

// One way of filling every slot: each type takes the value of the same kind.
struct argument_kind {
  const char* label;
  int integer;
  double number;
  bool with_storage;  // outputs get real storage, handles are live
  bool stale_handles;
};

const argument_kind kinds[] = {
    {"null", 0, 0, false, false},
    {"largest", INT_MAX, std::numeric_limits<double>::quiet_NaN(), true, false},
    {"smallest", INT_MIN, -std::numeric_limits<double>::infinity(), true, true},
    {"minus one", -1, 1e308, true, false},
    {"ordinary", 1, 0.5, true, false},
};

struct every_function : linked_library {
  fs::path folder = fs::temp_directory_path() / ("kv_every_" + std::to_string(::getpid()));
  MediaTrack* live_track = nullptr;
  MediaTrack* stale_track = nullptr;
  MediaItem* live_item = nullptr;

  void SetUp() override {
    linked_library::SetUp();
    fs::create_directories(folder);
    auto tracks = kvhost::add_tracks(nullptr, {1, 0, -1, 0});
    live_track = tracks[1];
    stale_track = tracks[3];
    kvhost::api::DeleteTrack(stale_track);
    kvhost::api::SetTrackSelected(live_track, true);
    live_item = kvhost::add_item(live_track, 0.5, 0.25, kvhost::create_source(8000, 1, std::vector<float>(2000, 0.5f)));
    kvhost::api::SetMediaItemSelected(live_item, true);
    kvhost::api::AddProjectMarker2(nullptr, true, 1, 2, "region", -1, 0);
    kvhost::api::AddProjectMarker2(nullptr, false, 3, 3, "marker", -1, 0);
  }
  void TearDown() override {
    linked_library::TearDown();
    fs::remove_all(folder);
  }

  void* handle(const argument_kind& kind, const std::string& type) {
    if (!kind.with_storage) return nullptr;
    if (kind.stale_handles) return stale_track;  // unknown to the host in every role
    if (type == "MediaTrack*") return live_track;
    if (type == "MediaItem*") return live_item;
    return nullptr;  // the current project
  }
};

TEST_F(every_function, survives_null_stale_and_extreme_arguments) {
  const std::string text = (folder / "a(b").string();
  const auto& table = KV_COBALT::api_define_list;
  ASSERT_GT(table.count, 0);
  for (int row = 0; row < table.count; ++row) {
    const auto definition = kvhost::parse_definition(table.records[row].definition);
    const auto& params = definition.parameters;
    for (const argument_kind& kind : kinds) {
      SCOPED_TRACE(std::string(table.records[row].api_key) + " with " + kind.label + " arguments");
      std::vector<void*> slots(params.size() + 1, nullptr);
      std::vector<double> numbers(params.size(), kind.number);
      std::vector<std::string> buffers(params.size(), std::string(64, 'x'));
      std::vector<std::int64_t> storage(params.size(), 0);
      for (std::size_t i = 0; i < params.size(); ++i) {
        const std::string& type = params[i].type;
        const bool size_of_buffer = type == "int" && i > 0 && params[i - 1].type == "char*";
        if (size_of_buffer) {
          slots[i] = reinterpret_cast<void*>(static_cast<std::intptr_t>(kind.with_storage ? 64 : kind.integer));
        } else if (type == "int") {
          slots[i] = reinterpret_cast<void*>(static_cast<std::intptr_t>(kind.integer));
        } else if (type == "bool") {
          slots[i] = reinterpret_cast<void*>(static_cast<std::intptr_t>(kind.with_storage));
        } else if (type == "double") {
          slots[i] = kind.with_storage ? &numbers[i] : nullptr;
        } else if (type == "const char*") {
          slots[i] = kind.with_storage ? const_cast<char*>(text.c_str()) : nullptr;
        } else if (type == "char*") {
          slots[i] = kind.with_storage ? buffers[i].data() : nullptr;
        } else if (type == "int*" || type == "bool*" || type == "double*") {
          slots[i] = kind.with_storage ? &storage[i] : nullptr;
        } else {
          slots[i] = handle(kind, type);
        }
      }
      void* result = table.records[row].vararg(slots.data(), static_cast<int>(params.size()));
      if (definition.result == "bool") {
        const auto value = reinterpret_cast<std::intptr_t>(result);
        EXPECT_TRUE(value == 0 || value == 1) << value;
      }
    }
  }
}

}  // namespace
