#pragma once
// Lists of strings for the script bindings.
#include <string>
#include <vector>

namespace KV_COBALT {

// Appends the fields of text cut at every byte found in delimiters.
bool GetStringSplitList(const std::string& text, const std::string& delimiters, std::vector<std::string>& list);

// Asks the user for inputCount values in the host's input dialog and appends
// the comma-separated answers; returns whether the user confirmed.
bool GetUserInputList(const std::string& title, int inputCount, const std::string& captions,
                      const std::string& defaultValues, std::vector<std::string>& list);

}  // namespace KV_COBALT
