// The host's own files, which an unpacked release archive keeps beside its programs.
#pragma once

#include <string>

namespace kvhost {

// PATH itself when absolute; else PATH in the folder of the running program.
std::string beside_program(const std::string& path);

}  // namespace kvhost
