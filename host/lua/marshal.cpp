#include "lua/marshal.hpp"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <map>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "loader/extension.hpp"
#include "loader/functions.hpp"
#include "lua/array.hpp"
#include "lua/definition_parse.hpp"
#include "lua/runtime.hpp"
#include "model/need_big.hpp"

namespace kvhost {
namespace {

constexpr std::size_t buffer_capacity = 4096;

bool ends_with(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

struct bound_function {
  std::string name;
  vararg_function vararg;
  parsed_definition definition;
  bool host_function = false;  // REAPER's own, with its script engine's argument checks
};

// One storage cell per parameter; the slot array points into these.
struct cell {
  double number = 0;
  int integer = 0;
  bool flag = false;
  const char* text = nullptr;
  std::string buffer;
  std::unique_ptr<model::need_big_buffer> big;  // a NeedBig buffer instead
};

// Lua errors jump over C++ frames, so argument errors travel as exceptions
// and become Lua errors only once every local here has been destroyed.
struct script_error : std::runtime_error {
  using std::runtime_error::runtime_error;
};

script_error bad_argument(lua_State* L, int arg, const parameter& p, const char* expected) {
  return script_error("bad argument #" + std::to_string(arg) + " (" + p.name + "): " + expected + " expected, got " +
                      luaL_typename(L, arg));
}

// REAPER's own words for a missing handle, naming the function.
struct missing_handle : std::runtime_error {
  using std::runtime_error::runtime_error;
};

bool accepts_nil(const parameter& p) {
  return p.type == "void*" || p.type == "ReaProject*" || ends_with(p.name, "Optional");
}

bool is_value_pointer(const parameter& p) { return p.type == "int*" || p.type == "bool*" || p.type == "double*"; }

void* pointer_argument(lua_State* L, int arg, const parameter& p, const bound_function& fn) {
  // A handle or a number is no place to write values into: only a script array is.
  const bool buffer = is_value_pointer(p);
  switch (lua_type(L, arg)) {
    case LUA_TNONE:
    case LUA_TNIL:
      if (fn.host_function && !buffer && !accepts_nil(p))
        throw missing_handle("bad argument #" + std::to_string(arg) + " to '" + fn.name + "' (" +
                             p.type.substr(0, p.type.size() - 1) + " expected)");
      return nullptr;
    case LUA_TLIGHTUSERDATA:
      if (buffer) throw bad_argument(L, arg, p, "reaper.array");
      return lua_touserdata(L, arg);
    case LUA_TNUMBER:  // scripts pass 0 for the current project, and -1
      if (buffer) throw bad_argument(L, arg, p, "reaper.array");
      if (p.type == "ReaProject*" && lua_tointeger(L, arg) == -1) return nullptr;
      return reinterpret_cast<void*>(static_cast<std::intptr_t>(lua_tointeger(L, arg)));
    case LUA_TUSERDATA:  // a sample buffer from reaper.new_array
      if (double* data = script_array_data(L, arg); data && p.type == "double*") return data;
      throw bad_argument(L, arg, p, p.type.c_str());
    default:
      throw bad_argument(L, arg, p, p.type.c_str());
  }
}

// A fractional number for an int parameter, as the host's script engine takes
// it: truncated toward zero. Beyond the int range it takes the nearest end and
// NaN gives 0, where a plain conversion would be undefined.
int int_from_number(double value) {
  if (std::isnan(value)) return 0;
  if (value <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  if (value >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(value);
}

// A missing trailing argument reads as 0, false or nil, as scripts leave
// them out; a nil given where a value is needed is still an error.
bool left_out(lua_State* L, int arg, const parameter& p) {
  return lua_isnone(L, arg) || (lua_isnil(L, arg) && ends_with(p.name, "Optional"));
}

int integer_argument(lua_State* L, int arg, const parameter& p) {
  if (left_out(L, arg, p)) return 0;
  if (!lua_isnumber(L, arg)) throw bad_argument(L, arg, p, "number");
  int isinteger = 0;
  const lua_Integer value = lua_tointegerx(L, arg, &isinteger);
  // An integer keeps its low 32 bits, as a host slot does.
  return isinteger ? static_cast<int>(value) : int_from_number(lua_tonumber(L, arg));
}

// Scripts pass 1 and 0 for true and false; anything but a boolean, a number
// or nil is an error.
bool boolean_argument(lua_State* L, int arg, const parameter& p) {
  if (lua_type(L, arg) == LUA_TNUMBER) return lua_tonumber(L, arg) != 0;
  if (!lua_isnoneornil(L, arg) && !lua_isboolean(L, arg)) throw bad_argument(L, arg, p, "boolean");
  return lua_toboolean(L, arg);
}

double number_argument(lua_State* L, int arg, const parameter& p) {
  if (left_out(L, arg, p)) return 0;
  if (!lua_isnumber(L, arg)) throw bad_argument(L, arg, p, "number");
  return lua_tonumber(L, arg);
}

// A value passed by address ("...In", "...InOptional"): the script gives the
// value itself, and the function reads it from the parameter's own cell.
void* value_in_argument(lua_State* L, int arg, const parameter& p, cell& c) {
  if (lua_isnoneornil(L, arg)) return nullptr;
  if (p.type == "bool*") {
    c.flag = boolean_argument(L, arg, p);
    return &c.flag;
  }
  if (p.type == "int*") {
    c.integer = integer_argument(L, arg, p);
    return &c.integer;
  }
  c.number = number_argument(L, arg, p);
  return &c.number;
}

const char* text_argument(lua_State* L, int arg, const parameter& p) {
  if (lua_isnoneornil(L, arg)) return nullptr;
  if (!lua_isstring(L, arg)) throw bad_argument(L, arg, p, "string");
  return lua_tostring(L, arg);
}

void push_pointer(lua_State* L, void* value) {
  if (value)
    lua_pushlightuserdata(L, value);
  else
    lua_pushnil(L);
}

void push_output(lua_State* L, const parameter& p, const cell& c) {
  if (p.type == "char*" && c.big) {
    const std::string text = c.big->result();
    lua_pushlstring(L, text.data(), text.size());
  } else if (p.type == "char*")
    lua_pushstring(L, c.buffer.c_str());
  else if (p.type == "int*")
    lua_pushinteger(L, c.integer);
  else if (p.type == "bool*")
    lua_pushboolean(L, c.flag);
  else if (p.type == "double*")
    lua_pushnumber(L, c.number);
  else if (p.type == "const char**")
    c.text ? (void)lua_pushstring(L, c.text) : lua_pushnil(L);
  else
    lua_pushnil(L);
}

int marshal_and_call(lua_State* L, const bound_function* fn) {
  const auto& params = fn->definition.parameters;
  std::vector<cell> cells(params.size());
  // A double result takes one more slot, last and counted, as REAPER passes it.
  const bool double_result = fn->definition.result == "double";
  std::vector<void*> slots(params.size() + (double_result ? 1 : 0), nullptr);
  std::vector<std::size_t> outputs;
  double number_result = 0;
  int arg = 1;
  for (std::size_t i = 0; i < params.size(); ++i) {
    const parameter& p = params[i];
    cell& c = cells[i];
    const parameter_role role = role_of(params, i);
    if (role == parameter_role::buffer_size) {
      const cell& sized = cells[i - 1];
      const std::size_t size = sized.big ? static_cast<std::size_t>(sized.big->size()) : sized.buffer.size();
      slots[i] = reinterpret_cast<void*>(static_cast<std::intptr_t>(size));
    } else if (p.type == "char*") {
      std::string initial;
      if (role == parameter_role::in_out) {
        const char* given = text_argument(L, arg++, p);
        initial = given ? given : "";
      }
      if (ends_with(p.name, "NeedBig")) {
        c.big = std::make_unique<model::need_big_buffer>(initial);
        slots[i] = c.big->data();
      } else {
        c.buffer = std::move(initial);
        c.buffer.resize(std::max(buffer_capacity, c.buffer.size() + 1), '\0');
        slots[i] = c.buffer.data();
      }
      outputs.push_back(i);
    } else if (role == parameter_role::output) {
      if (p.type == "int*")
        slots[i] = &c.integer;
      else if (p.type == "bool*")
        slots[i] = &c.flag;
      else if (p.type == "double*")
        slots[i] = &c.number;
      else if (p.type == "const char**")
        slots[i] = &c.text;
      outputs.push_back(i);
    } else if (p.type == "int") {
      slots[i] = reinterpret_cast<void*>(static_cast<std::intptr_t>(integer_argument(L, arg++, p)));
    } else if (p.type == "bool") {
      slots[i] = reinterpret_cast<void*>(static_cast<std::intptr_t>(boolean_argument(L, arg++, p)));
    } else if (p.type == "double") {
      c.number = number_argument(L, arg++, p);
      slots[i] = &c.number;
    } else if (p.type == "const char*") {
      slots[i] = const_cast<char*>(text_argument(L, arg++, p));
    } else if (is_value_pointer(p) && (ends_with(p.name, "In") || ends_with(p.name, "InOptional"))) {
      slots[i] = value_in_argument(L, arg++, p, c);
    } else if (is_value_pointer(p) && role == parameter_role::in_out) {
      // Given and returned ("...InOut"); a missing value reads as 0.
      value_in_argument(L, arg++, p, c);
      slots[i] = p.type == "int*"    ? static_cast<void*>(&c.integer)
                 : p.type == "bool*" ? static_cast<void*>(&c.flag)
                                     : static_cast<void*>(&c.number);
      outputs.push_back(i);
    } else {
      slots[i] = pointer_argument(L, arg++, p, *fn);
    }
  }
  if (double_result) slots.back() = &number_result;

  void* result = fn->vararg(slots.data(), static_cast<int>(slots.size()));
  report_stopped_exception();

  int pushed = 1;
  const std::string& type = fn->definition.result;
  if (type == "void")
    pushed = 0;
  else if (type == "bool")
    lua_pushboolean(L, result != nullptr);
  else if (type == "int")
    lua_pushinteger(L, static_cast<int>(reinterpret_cast<std::intptr_t>(result)));
  else if (type == "double")
    result == &number_result ? lua_pushnumber(L, number_result) : lua_pushnil(L);
  else if (type == "const char*")
    result ? (void)lua_pushstring(L, static_cast<const char*>(result)) : lua_pushnil(L);
  else
    push_pointer(L, result);
  for (std::size_t i : outputs) push_output(L, params[i], cells[i]);
  return pushed + static_cast<int>(outputs.size());
}

int call(lua_State* L) {
  auto* fn = static_cast<const bound_function*>(lua_touserdata(L, lua_upvalueindex(1)));
  char message[512];
  note_running(L);
  try {
    return marshal_and_call(L, fn);
  } catch (const missing_handle& e) {
    std::snprintf(message, sizeof message, "%s", e.what());
  } catch (const std::exception& e) {
    std::snprintf(message, sizeof message, "%s: %s", fn->name.c_str(), e.what());
  }
  return luaL_error(L, "%s", message);
}

const bound_function* bind(const std::string& name) {
  static std::map<std::string, bound_function> bound;
  const callable* found = find_callable(name);
  if (!found || !found->vararg || !found->definition) return nullptr;
  auto& entry = bound[name];
  if (entry.vararg != found->vararg)
    entry = {name, found->vararg, parse_definition(found->definition), is_host_function(name)};
  return &entry;
}

}  // namespace

void push_script_function(lua_State* L, const std::string& name) {
  const bound_function* fn = bind(name);
  if (!fn) {
    lua_pushnil(L);
    return;
  }
  lua_pushlightuserdata(L, const_cast<bound_function*>(fn));
  lua_pushcclosure(L, call, 1);
}

}  // namespace kvhost
