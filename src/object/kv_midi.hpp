#pragma once
// One note. No list builds notes: scripts create them in pooled record lists.
#include <tuple>

#include "object/keyed_record.hpp"

namespace kv_object {

struct midi_fields {
  kv_LitsItem_inner<int> Index;
  kv_LitsItem_inner<int> Pitch;
  kv_LitsItem_inner<int> Velocity;
  kv_LitsItem_inner<double> StartPos;
  kv_LitsItem_inner<double> EndPos;

  // In key order.
  auto keyed() {
    using record_fields::keyed_field;
    return std::make_tuple(keyed_field<int>{"Index", "int", Index}, keyed_field<int>{"Pitch", "int", Pitch},
                           keyed_field<int>{"Velocity", "int", Velocity},
                           keyed_field<double>{"StartPos", "double", StartPos},
                           keyed_field<double>{"EndPos", "double", EndPos});
  }
};

class kv_Midi final : public keyed_record<kv_Midi, midi_fields> {
 public:
  static constexpr const char* type_name = "kv_Midi";
};

}  // namespace kv_object
