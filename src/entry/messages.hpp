#pragma once
// The library's message catalogue, English or Japanese, chosen at load.
#include <memory>
#include <string>

namespace kv_app {

class message {
 public:
  virtual ~message() = default;
  virtual const char* URL_SWS() const;
  virtual const char* ERROR_TITLE() const = 0;
  virtual const char* SWS_PROGRAM_NAME() const;
  virtual const char* MSG_DEPENDENCY_ERROR() const = 0;
  virtual const char* MSG_LUA_NOT_EXPORTED() const = 0;
};

class message_en : public message {
 public:
  const char* ERROR_TITLE() const override;
  const char* MSG_DEPENDENCY_ERROR() const override;
  const char* MSG_LUA_NOT_EXPORTED() const override;
};

class message_jp : public message {
 public:
  const char* ERROR_TITLE() const override;
  const char* MSG_DEPENDENCY_ERROR() const override;
  const char* MSG_LUA_NOT_EXPORTED() const override;
};

// The current catalogue; empty until the language is first chosen.
extern std::unique_ptr<message> message_list;

}  // namespace kv_app

namespace kv_app_def {
inline constexpr const char* VERSION = "1.0.0";
}

namespace message_util {

// Installs the Japanese catalogue for exactly the locale word "ja_JP", the
// English one otherwise.
void set_localize();

}  // namespace message_util
