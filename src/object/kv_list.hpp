#pragma once
// The keyed records handed to scripts: the script value type, the field
// holder, and the base every record derives from.
#include <cstdint>
#include <string>
#include <utility>
#include <variant>

namespace kv_object {

// What a script reads or writes in a field. The order of the alternatives is
// part of the interface: scripts ask for a value by its position.
using pyvar = std::variant<int, double, bool, std::string, void*>;

// One field of a record. Only fields marked present belong to the record's
// visible key set; the value is kept either way.
template <class T>
struct kv_LitsItem_inner {
  T value{};
  bool present = false;

  // What a producer does: give the field a value and make it visible.
  void fill(T new_value) {
    value = std::move(new_value);
    present = true;
  }
};

// A record is named to scripts by its own address, so a copy gets its own
// handle. Records are owned and destroyed through their concrete type.
class kv_List {
 public:
  std::uint64_t handle;

  // (key, type name) of the i-th present field; throws std::out_of_range.
  virtual std::pair<std::string, std::string> get_key_info(int i) const = 0;
  // Number of present fields.
  virtual int get_size() const = 0;
  // The field's value whether or not it is present; int 0 for an unknown key.
  virtual pyvar get_value(std::string key) const = 0;
  // Stores only a value of exactly the field's alternative; anything else is ignored.
  virtual void set_value(std::string key, pyvar value) = 0;

 protected:
  kv_List() : handle(reinterpret_cast<std::uintptr_t>(this)) {}
  kv_List(const kv_List&) : kv_List() {}
  kv_List& operator=(const kv_List&) { return *this; }
  ~kv_List() = default;
};

}  // namespace kv_object
