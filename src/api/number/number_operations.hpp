#pragma once
// Random values and zero-padded numbers for scripts.
#include "entry/operation.hpp"

// X(return type, name, parameters, help text)
#define KV_NUMBER_OPERATIONS(X)                                                                            \
  X(bool, GetRandomNumInteger, (int low, int high, int* randomOut), "[KV:API]Get Random Num Integer")      \
  X(bool, GetRandomNumDouble, (double low, double high, int doubleType, double* randomOut),                \
    "[KV:API]Get Random Num Double")                                                                       \
  X(bool, GetRandomColor, (int* colorOut, int* rOut, int* gOut, int* bOut), "[KV:API]Get Random Color RGB") \
  X(bool, FormatNumDigit, (int num, int digit, char* formattedNumOut, int formattedNumOut_sz),             \
    "[KV:API]Format a number with specified number of digits")

namespace KV_COBALT {
KV_NUMBER_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
