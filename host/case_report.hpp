#pragma once
// kvhost.case results as CI reads them: JUnit XML and TAP.
#include <string>
#include <vector>

namespace kvhost {

struct case_result {
  std::string name;
  bool passed = true;
  std::string message;  // why it failed, with the traceback
};

// The cases of a run named suite; an error outside any case (non-empty
// script_error) is one more failed case named after the suite.
std::string junit_report(const std::string& suite, const std::vector<case_result>& cases,
                         const std::string& script_error);
std::string tap_report(const std::string& suite, const std::vector<case_result>& cases,
                       const std::string& script_error);

}  // namespace kvhost
