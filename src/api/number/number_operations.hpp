#pragma once
// Random values and zero-padded numbers for scripts.
#include "entry/operation.hpp"

// X(return type, name, parameters, help text, what it does and returns on failure)
#define KV_NUMBER_OPERATIONS(X)                                                                             \
  X(bool, GetRandomNumInteger, (int low, int high, int* randomOut), "[KV:API]Get Random Num Integer",       \
    "Writes a random integer between low and high, both included (in either order); false only "            \
    "without an out-value.")                                                                                \
  X(bool, GetRandomNumDouble, (double low, double high, int doubleType, double* randomOut),                 \
    "[KV:API]Get Random Num Double",                                                                        \
    "Writes a random number between low and high with at most doubleType decimal places (bounds cut to "    \
    "those places); false without an out-value, for a doubleType of 10 or more, or when the scaled "        \
    "bounds leave the 32-bit range.")                                                                       \
  X(bool, GetRandomColor, (int* colorOut, int* rOut, int* gOut, int* bOut), "[KV:API]Get Random Color RGB", \
    "Writes a random red, green and blue (0-255 each) and the native colour made of them; false when "      \
    "an out-value is missing.")                                                                             \
  X(bool, FormatNumDigit, (int num, int digit, char* formattedNumOut, int formattedNumOut_sz),              \
    "[KV:API]Format a number with specified number of digits",                                              \
    "Copies num padded with zeros to digit digits (the sign not counted; texts already that long stay"      \
    " as they are) into the buffer, cut to fit; false when digit is 0 or less or there is no buffer.")

namespace KV_COBALT {
KV_NUMBER_OPERATIONS(KV_DECLARE_OPERATION)
}  // namespace KV_COBALT
