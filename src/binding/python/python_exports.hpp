#pragma once
// The exported C functions for Python: the pool functions and the list
// functions, with C linkage and exactly the declared parameter types.
#include <cstdint>

#include "binding/list_functions.hpp"
#include "binding/python/pool_functions.hpp"
#include "entry/plugin.hpp"

#define KV_PYTHON_POOL_PROTOTYPE(ret, name, params, description) KV_EXPORT ret name params noexcept;
KV_PYTHON_POOL_FUNCTIONS(KV_PYTHON_POOL_PROTOTYPE)
#undef KV_PYTHON_POOL_PROTOTYPE

#define KV_PYTHON_LIST_PROTOTYPE(name, params, args, description) KV_EXPORT bool py_##name params noexcept;
KV_LIST_FUNCTIONS(KV_PYTHON_LIST_PROTOTYPE)
#undef KV_PYTHON_LIST_PROTOTYPE
