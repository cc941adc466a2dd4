#pragma once
// The words of one project-file line, by WDL's rule: a word is bare up to the
// next space or tab, or wrapped in " ' or ` up to the next same quote (no
// escapes); and the reverse, quoting a value so that it reads back as itself.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvhost::project_file {

struct word {
  std::string raw;    // as written, quotes included
  std::string value;  // quotes removed
};

// The words of a line; nullopt when a quoted word has no closing quote.
std::optional<std::vector<word>> split_words(std::string_view line);

// A value as WDL writes it: bare when it can be, else in the first quote it
// does not hold; `always` quotes even a value that could stay bare.
std::string quote(std::string_view value, bool always = false);

// The shortest plain decimal (no exponent) that reads back as the value.
std::string format_number(double value);

// A whole word read as a number; nullopt for anything else.
std::optional<double> read_number(std::string_view text);

}  // namespace kvhost::project_file
