#pragma once
// What every record shares: its fields live in one block owned jointly by the
// record and its copies (a value set through one copy is seen by all), its
// pool, and the key operations over the block's fields in key order.
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "object/kv_list.hpp"
#include "object/record_fields.hpp"
#include "object/record_lua.hpp"

namespace kv_object {

// Record: the record class. Block: a struct of kv_LitsItem_inner holders with
// keyed(), its fields as a tuple of keyed_field in key order.
template <class Record, class Block>
class keyed_record : public kv_List {
 public:
  // Pooled records of this type, keyed by handle.
  inline static handle_pool<Record> pool;

  void pushvalue(lua_State* L) const override { record_lua::push_record(*this, L); }
  void each_field(field_sink& sink) const override { record_fields::each_present(block_->keyed(), sink); }
  void set_value_from_luatable(lua_State* L, int index) override { record_lua::read(block_->keyed(), L, index); }
  bool release_inpool() override {
    const std::uint64_t key = handle;  // the erase may destroy this record
    return pool.erase(key) != 0;
  }
  std::pair<std::string, std::string> get_key_info(int i) const override {
    return record_fields::key_info(block_->keyed(), i);
  }
  int get_size() const override { return record_fields::size(block_->keyed()); }
  pyvar get_value(std::string key) const override { return record_fields::value(block_->keyed(), key); }
  void set_value(std::string key, pyvar value) override { record_fields::set(block_->keyed(), key, value); }

  // The shared holders, for producers.
  Block& fields() const { return *block_; }

 protected:
  keyed_record() = default;
  keyed_record(const keyed_record&) = default;
  keyed_record& operator=(const keyed_record&) = default;
  ~keyed_record() = default;

 private:
  std::shared_ptr<Block> block_ = std::make_shared<Block>();
};

}  // namespace kv_object
