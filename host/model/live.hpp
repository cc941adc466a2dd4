#pragma once
// Which model objects of one kind exist right now. A handle from outside is
// looked up here before any use, so a null, foreign or deleted pointer is
// simply not found and never dereferenced.
#include <unordered_set>

namespace kvhost::model {

template <class T>
class live {
 public:
  explicit live(T* self) : self_(self) { objects().insert(self); }
  ~live() { objects().erase(self_); }
  live(const live&) = delete;
  live& operator=(const live&) = delete;

  // Never found again, though the object still exists: its address stays
  // taken, so an old handle cannot come to name a later object.
  void retire() { objects().erase(self_); }

  static T* find(const void* handle) {
    auto* wanted = static_cast<T*>(const_cast<void*>(handle));
    return wanted && objects().count(wanted) ? wanted : nullptr;
  }

 private:
  // Never destroyed: objects may outlive ordinary statics at exit.
  static std::unordered_set<T*>& objects() {
    static auto* set = new std::unordered_set<T*>;
    return *set;
  }

  T* self_;
};

}  // namespace kvhost::model
