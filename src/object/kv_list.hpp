#pragma once
// The keyed records handed to scripts: the script value type, the field
// holder, the base every record derives from, and the pooled record lists.
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <variant>
#include <vector>

struct lua_State;

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

class kv_List;

// Pooled objects by handle. Only lookups by handle reach a pool, never its
// order, so a hash map serves: a million pooled objects stay cheap to find.
template <class T>
using handle_pool = std::unordered_map<std::uint64_t, std::shared_ptr<T>>;

// A pooled record list names its records without owning them (their pools
// do). A weak reference keeps no record alive, but while it can be locked no
// other object can sit at the record's address: a list never mistakes a new
// record for one of its own that was released.
using kvList_array = std::vector<std::weak_ptr<kv_List>>;

// Receives a record's present fields in key order, each as its own kind of
// value: what each binding turns into its script's values.
class field_sink {
 public:
  virtual void text(const char* key, const std::string& value) = 0;
  virtual void number(const char* key, double value) = 0;
  virtual void integer(const char* key, int value) = 0;
  // A null handle is a field without a value.
  virtual void handle(const char* key, void* value) = 0;

 protected:
  ~field_sink() = default;
};

// A record is named to scripts by its own address, so a copy gets its own
// handle. Records are owned and destroyed through their concrete type, which
// is final: nothing is deleted through a base.
class kv_List {
 public:
  std::uint64_t handle;

  // Pushes the record's present fields as a new Lua table.
  virtual void pushvalue(lua_State* L) const = 0;
  // Hands the present fields to sink, in key order.
  virtual void each_field(field_sink& sink) const = 0;
  // Reads the record's Lua-writable keys back from the table at index.
  virtual void set_value_from_luatable(lua_State* L, int index) = 0;
  // Removes the record from its type's pool; true when an entry was removed.
  // The record may be destroyed by the call.
  virtual bool release_inpool() = 0;
  // (key, type name) of the i-th present field; throws std::out_of_range.
  virtual std::pair<std::string, std::string> get_key_info(int i) const = 0;
  // Number of present fields.
  virtual int get_size() const = 0;
  // The field's value whether or not it is present; int 0 for an unknown key.
  virtual pyvar get_value(std::string key) const = 0;
  // Stores only a value of exactly the field's alternative; anything else is ignored.
  virtual void set_value(std::string key, pyvar value) = 0;

  // Record lists for scripts, keyed by handle.
  inline static handle_pool<kvList_array> kvList_pool;

  // Pools a record under its handle; an entry already there stays.
  template <class T>
  static void set_obj_topool(std::shared_ptr<T>& record) {
    T::pool.try_emplace(record->handle, record);
  }

  // Pools a copy of every record (sharing its fields) and a new list of them;
  // returns the list's handle. The copies live in one block that each pool
  // entry shares: one allocation for the whole list, and no address in it is
  // reused while any of its records is pooled.
  template <class Records>
  static std::uint64_t pool_kvList_array(const Records& records) {
    using T = std::remove_cvref_t<decltype(*std::begin(records))>;
    auto block = std::make_shared<std::vector<T>>();
    block->reserve(records.size());  // no reallocation: each copy keeps its address, its handle
    for (auto&& record : records) block->emplace_back(std::forward<decltype(record)>(record));
    auto list = std::make_shared<kvList_array>();
    list->reserve(block->size());
    T::pool.reserve(T::pool.size() + block->size());
    for (T& record : *block) {
      std::shared_ptr<T> pooled(block, &record);
      list->emplace_back(pooled);
      T::pool.try_emplace(record.handle, std::move(pooled));  // as set_obj_topool, without a further owner
    }
    return insert_list(std::move(list));
  }

  static std::uint64_t create_kvlist_array() { return insert_list(std::make_shared<kvList_array>()); }

  // A new empty record of type T appended to the list and pooled; 0 when the
  // handle names no record list.
  template <class T>
  static std::uint64_t create_kvobj_inarray(std::uint64_t list_handle) {
    const auto list = kvList_pool.find(list_handle);
    if (list == kvList_pool.end()) return 0;
    auto record = std::make_shared<T>();
    set_obj_topool(record);
    list->second->emplace_back(record);
    return record->handle;
  }

  // Releases the list and those of its records that are still pooled; false
  // when the handle names no record list.
  static bool release_kvList(std::uint64_t list_handle) {
    const auto list = kvList_pool.find(list_handle);
    if (list == kvList_pool.end()) return false;
    const std::shared_ptr<kvList_array> records = list->second;
    // A live record holds its address: whatever its pool keeps under it is that record.
    for (const auto& weak : *records)
      if (const std::shared_ptr<kv_List> record = weak.lock()) record->release_inpool();
    kvList_pool.erase(list_handle);
    return true;
  }

 protected:
  kv_List() : handle(reinterpret_cast<std::uintptr_t>(this)) {}
  kv_List(const kv_List&) : kv_List() {}
  kv_List& operator=(const kv_List&) { return *this; }
  ~kv_List() = default;

 private:
  static std::uint64_t insert_list(std::shared_ptr<kvList_array> list) {
    const auto key = reinterpret_cast<std::uintptr_t>(list.get());
    kvList_pool.emplace(key, std::move(list));
    return key;
  }
};

}  // namespace kv_object
