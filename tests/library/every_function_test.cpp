// Every registered function, taken from the registry tables (the script
// functions and the lists the module's Lua file reads) and called the way
// the host's script engines call it: first with ordinary arguments, then with
// one argument at a time made hostile (null handles and out-pointers, stale
// and foreign handles, zero and negative buffer sizes, indexes -1 and past the
// end, empty and 1 MB texts, NaN and infinities), then with everything null
// and everything extreme at once. No call may crash, leak or write outside a
// buffer (every buffer and out-value sits between guard bytes), a bool
// result is always exactly 0 or 1, and no failure result comes from an
// exception stopped at the boundary, except for memory running out.
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "api/host_api.hpp"
#include "binding/registered/list_transport.hpp"
#include "entry/caught_exception.hpp"
#include "entry/registry.hpp"
#include "linked_library.hpp"
#include "lua/definition_parse.hpp"
#include "model/action_state.hpp"

namespace {

namespace fs = std::filesystem;
using kvhost::parameter;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

// Storage with guard bytes on both sides; anything written outside shows.
class guarded_block {
 public:
  explicit guarded_block(std::size_t size) : size_(size), bytes_(size + 2 * guard, pattern) {
    std::memset(data(), 0, size_);
  }
  void* data() { return bytes_.data() + guard; }
  bool intact() const {
    for (std::size_t i = 0; i < guard; ++i)
      if (bytes_[i] != pattern || bytes_[guard + size_ + i] != pattern) return false;
    return true;
  }

 private:
  static constexpr std::size_t guard = 32;
  static constexpr unsigned char pattern = 0xA5;
  std::size_t size_;
  std::vector<unsigned char> bytes_;
};

constexpr int buffer_capacity = 64;

void* as_slot(std::intptr_t value) { return reinterpret_cast<void*>(value); }

bool is_buffer_size(const std::vector<parameter>& params, std::size_t i) {
  return kvhost::role_of(params, i) == kvhost::parameter_role::buffer_size;
}

bool is_handle(const parameter& p) {
  return p.type.ends_with("*") && p.type != "char*" && p.type != "const char*" && !kvhost::is_output_name(p.name);
}

struct every_function : linked_library {
  fs::path folder = fs::temp_directory_path() / ("kv_every_" + std::to_string(::getpid()));
  fs::path previous_directory = fs::current_path();
  std::string folder_text = folder.string();
  std::string name_text = "kv text";
  std::string huge_text = std::string(1 << 20, 'x');
  std::string empty_text;
  int track_count = 0;
  MediaTrack* live_track = nullptr;
  MediaTrack* stale_track = nullptr;
  MediaItem* live_item = nullptr;
  MediaItem* stale_item = nullptr;
  ReaProject* other_project = nullptr;

  void SetUp() override {
    linked_library::SetUp();
    empty_folder();
  }
  void TearDown() override {
    linked_library::TearDown();
    fs::current_path(previous_directory);
    fs::remove_all(folder);
  }

  void empty_folder() {
    fs::current_path(previous_directory);
    fs::remove_all(folder);
    fs::create_directories(folder);
    // Relative paths the functions are handed stay inside the test's folder.
    fs::current_path(folder);
  }

  // A fresh project and folder for each function, so none sees another's leftovers.
  void fresh_project() {
    empty_folder();
    kvhost::reset();
    // Any command ID may come: one kvhost does not simulate must not end the test.
    kvhost::model::unsimulated_actions_ignored() = true;
    kvhost::set_project_path(nullptr, folder_text);
    kvhost::set_resource_path(folder_text);
    auto tracks = kvhost::add_tracks(nullptr, {1, 0, -1, 0, 0});
    live_track = tracks[1];
    stale_track = tracks[4];
    kvhost::api::DeleteTrack(stale_track);
    track_count = static_cast<int>(tracks.size()) - 1;
    kvhost::api::SetTrackSelected(live_track, true);
    kvhost::api::AddProjectMarker2(nullptr, true, 1, 2, "region", -1, 0);
    kvhost::api::AddProjectMarker2(nullptr, false, 3, 3, "marker", -1, 0);
    // Two short items of a rising tone; the second is deleted again.
    std::vector<float> tone(4000);
    for (std::size_t i = 0; i < tone.size(); ++i) tone[i] = static_cast<float>(i % 80) / 100.0f;
    live_item = kvhost::add_item(live_track, 0.5, 0.5, kvhost::create_source(8000, 1, tone));
    stale_item = kvhost::add_item(live_track, 2, 0.5, kvhost::create_source(8000, 1, tone));
    kvhost::api::SetMediaItemSelected(live_item, true);
    kvhost::api::DeleteTrackMediaItem(live_track, stale_item);
    other_project = kvhost::create_project();
  }

  const char* ordinary_text(const parameter& p) {
    return p.name == "directory" || p.name == "folderPath" ? folder_text.c_str() : name_text.c_str();
  }

  // Handles by role: a live one of the right kind, the current project, a
  // project that is not current, the master track, and unknown addresses.
  std::vector<void*> handle_values(const parameter& p) {
    std::vector<void*> values{nullptr, stale_track, stale_item, &track_count};
    if (p.type == "MediaItem*") {
      values.push_back(live_item);
    } else if (p.type == "MediaTrack*") {
      values.push_back(live_track);
      values.push_back(kvhost::master_track(nullptr));
    } else if (p.type == "ReaProject*") {
      values.push_back(kvhost::current_project());
      values.push_back(other_project);
    }
    return values;
  }
  void* ordinary_handle(const parameter& p) {
    if (p.type == "MediaTrack*") return live_track;
    if (p.type == "MediaItem*") return live_item;
    return nullptr;  // the current project
  }
};

// One call's arguments: the slot array the wrapper reads and the storage the
// slots point into, all guarded.
struct call_arguments {
  std::vector<void*> slots;
  std::vector<std::unique_ptr<guarded_block>> blocks;
  std::vector<std::unique_ptr<double>> numbers;

  explicit call_arguments(std::size_t count) : slots(count + 1, nullptr) {
    slots[count] = guard(sizeof(double));  // where a double result goes
  }
  void* guard(std::size_t size) { return blocks.emplace_back(std::make_unique<guarded_block>(size))->data(); }
  void* number(double value) { return numbers.emplace_back(std::make_unique<double>(value)).get(); }
  bool intact() const {
    for (const auto& block : blocks)
      if (!block->intact()) return false;
    return true;
  }
};

TEST_F(every_function, survives_every_hostile_argument) {
  std::vector<const KV_COBALT::api_record*> records;
  for (const auto* table : {&KV_COBALT::api_define_list, &KV_COBALT::list_transport_table})
    for (int row = 0; row < table->count; ++row) records.push_back(&table->records[row]);
  ASSERT_GT(KV_COBALT::api_define_list.count, 0);
  ASSERT_GT(KV_COBALT::list_transport_table.count, 0);
  int calls = 0;
  for (const KV_COBALT::api_record* record : records) {
    const auto definition = kvhost::parse_definition(record->definition);
    const auto& params = definition.parameters;
    fresh_project();

    // The value each parameter takes in an ordinary call.
    auto ordinary = [&](call_arguments& args, std::size_t i) {
      const parameter& p = params[i];
      if (is_buffer_size(params, i))
        args.slots[i] = as_slot(buffer_capacity);
      else if (p.type == "int")
        args.slots[i] = as_slot(0);
      else if (p.type == "bool")
        args.slots[i] = as_slot(1);
      else if (p.type == "double")
        args.slots[i] = args.number(0.5);
      else if (p.type == "const char*")
        args.slots[i] = const_cast<char*>(ordinary_text(p));
      else if (p.type == "char*")
        args.slots[i] = &args;  // sized to its claim when called
      else if (is_handle(p))
        args.slots[i] = ordinary_handle(p);
      else
        args.slots[i] = args.guard(sizeof(double));  // an out-value
    };
    // The hostile values of one parameter, each a way of filling its slot.
    auto hostile = [&](std::size_t i) {
      const parameter& p = params[i];
      std::vector<std::function<void*(call_arguments&)>> values;
      auto constant = [&](void* value) { values.push_back([value](call_arguments&) { return value; }); };
      if (is_buffer_size(params, i)) {
        for (std::intptr_t size : {0, -1, INT_MIN, 1}) constant(as_slot(size));
      } else if (p.type == "int") {
        for (std::intptr_t index : {-1, 1, track_count, INT_MAX, INT_MIN}) constant(as_slot(index));
        // Upper bits, where a slot is wider than an int, are not the value.
        constant(as_slot(static_cast<std::intptr_t>(static_cast<std::uintptr_t>(0x7FFFFFFF00000001ULL))));
      } else if (p.type == "bool") {
        constant(nullptr);
        constant(as_slot(-2));
      } else if (p.type == "double") {
        constant(nullptr);
        for (double value : {nan, inf, -inf, 1e308, -1.0})
          values.push_back([value](call_arguments& args) { return args.number(value); });
      } else if (p.type == "const char*") {
        for (const std::string* text : {&empty_text, &huge_text, &folder_text})
          constant(const_cast<char*>(text->c_str()));
        constant(nullptr);
      } else if (is_handle(p)) {
        for (void* handle : handle_values(p)) constant(handle);
      } else {
        constant(nullptr);  // an out-pointer
      }
      return values;
    };
    auto call = [&](call_arguments& args, const std::string& what) {
      // Each buffer is exactly as large as its size claims (none for 0 or less).
      for (std::size_t i = 0; i < params.size(); ++i)
        if (is_buffer_size(params, i) && args.slots[i - 1]) {
          const auto claimed = static_cast<int>(reinterpret_cast<std::intptr_t>(args.slots[i]));
          args.slots[i - 1] = args.guard(static_cast<std::size_t>(std::max(claimed, 0)));
        }
      SCOPED_TRACE(std::string(record->api_key) + " with " + what);
      const auto stopped = kv_registry::last_caught_exception().count;
      void* result = record->vararg(args.slots.data(), static_cast<int>(params.size()));
      ++calls;
      EXPECT_TRUE(args.intact()) << "written outside a buffer";
      const auto caught = kv_registry::last_caught_exception();
      if (caught.count != stopped && !caught.allocation)
        ADD_FAILURE() << "exception stopped at the boundary: " << caught.function << ": " << caught.what;
      if (definition.result == "bool") {
        const auto value = reinterpret_cast<std::intptr_t>(result);
        EXPECT_TRUE(value == 0 || value == 1) << value;
      }
    };

    call_arguments plain(params.size());
    for (std::size_t i = 0; i < params.size(); ++i) ordinary(plain, i);
    call(plain, "ordinary arguments");

    for (std::size_t i = 0; i < params.size(); ++i) {
      const auto values = hostile(i);
      for (std::size_t v = 0; v < values.size(); ++v) {
        call_arguments args(params.size());
        for (std::size_t j = 0; j < params.size(); ++j) ordinary(args, j);
        args.slots[i] = values[v](args);
        call(args, params[i].name + " hostile value " + std::to_string(v));
      }
    }

    call_arguments nulls(params.size());
    call(nulls, "every argument null");

    call_arguments extreme(params.size());
    for (std::size_t i = 0; i < params.size(); ++i) {
      const auto& p = params[i];
      if (is_buffer_size(params, i))
        extreme.slots[i] = as_slot(1);
      else if (p.type == "int")
        extreme.slots[i] = as_slot(INT_MIN);
      else if (p.type == "double")
        extreme.slots[i] = extreme.number(nan);
      else if (p.type == "const char*")
        extreme.slots[i] = huge_text.data();
      else if (p.type == "char*")
        extreme.slots[i] = &extreme;
      else if (is_handle(p))
        extreme.slots[i] = stale_track;
      else if (p.type.ends_with("*"))
        extreme.slots[i] = extreme.guard(sizeof(double));
      else
        extreme.slots[i] = as_slot(1);
    }
    call(extreme, "every argument extreme");
  }
  RecordProperty("calls", calls);
}

}  // namespace
