#pragma once
// One track row of a track list: which fields a row carries depends on the
// list that made it.
#include <memory>
#include <string>
#include <utility>

#include "entry/host_types.hpp"
#include "object/kv_list.hpp"

namespace kv_object {

class TrackDetail : public kv_List {
 public:
  TrackDetail();

  std::pair<std::string, std::string> get_key_info(int i) const override;
  int get_size() const override;
  pyvar get_value(std::string key) const override;
  void set_value(std::string key, pyvar value) override;

  // Shared with every copy: a value set through one copy is seen by all.
  std::shared_ptr<kv_LitsItem_inner<std::string>> Name;
  std::shared_ptr<kv_LitsItem_inner<MediaTrack*>> Track;
  std::shared_ptr<kv_LitsItem_inner<double>> Volume;
  std::shared_ptr<kv_LitsItem_inner<int>> Index;
  std::shared_ptr<kv_LitsItem_inner<int>> Depth;

 private:
  auto fields() const;
};

}  // namespace kv_object
