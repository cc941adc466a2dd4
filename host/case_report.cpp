#include "case_report.hpp"

#include <sstream>

namespace kvhost {
namespace {

std::string xml_text(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '&')
      escaped += "&amp;";
    else if (c == '<')
      escaped += "&lt;";
    else if (c == '>')
      escaped += "&gt;";
    else if (c == '"')
      escaped += "&quot;";
    else if (byte < 0x20 && c != '\n' && c != '\t' && c != '\r')
      escaped += '?';  // no XML 1.0 document may hold it
    else
      escaped += c;
  }
  return escaped;
}

std::vector<case_result> with_script_error(const std::string& suite, std::vector<case_result> cases,
                                           const std::string& script_error) {
  if (!script_error.empty()) cases.push_back({suite, false, script_error});
  return cases;
}

std::string first_line(const std::string& text) { return text.substr(0, text.find('\n')); }

}  // namespace

std::string junit_report(const std::string& suite, const std::vector<case_result>& given,
                         const std::string& script_error) {
  const auto cases = with_script_error(suite, given, script_error);
  std::size_t failures = 0;
  for (const auto& c : cases) failures += c.passed ? 0 : 1;
  std::ostringstream xml;
  xml << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<testsuites tests=\"" << cases.size() << "\" failures=\"" << failures << "\">\n"
      << "  <testsuite name=\"" << xml_text(suite) << "\" tests=\"" << cases.size() << "\" failures=\"" << failures
      << "\" errors=\"0\" skipped=\"0\">\n";
  for (const auto& c : cases) {
    xml << "    <testcase classname=\"" << xml_text(suite) << "\" name=\"" << xml_text(c.name) << "\"";
    if (c.passed) {
      xml << "/>\n";
      continue;
    }
    xml << ">\n      <failure message=\"" << xml_text(first_line(c.message)) << "\">" << xml_text(c.message)
        << "</failure>\n    </testcase>\n";
  }
  xml << "  </testsuite>\n</testsuites>\n";
  return xml.str();
}

std::string tap_report(const std::string& suite, const std::vector<case_result>& given,
                       const std::string& script_error) {
  const auto cases = with_script_error(suite, given, script_error);
  std::ostringstream tap;
  tap << "TAP version 13\n1.." << cases.size() << "\n";
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const auto& c = cases[i];
    tap << (c.passed ? "ok " : "not ok ") << i + 1 << " - " << first_line(c.name) << "\n";
    if (c.passed) continue;
    tap << "  ---\n  message: |\n";
    std::istringstream lines(c.message);
    for (std::string line; std::getline(lines, line);) tap << "    " << line << "\n";
    tap << "  ...\n";
  }
  return tap.str();
}

}  // namespace kvhost
