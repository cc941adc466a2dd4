#pragma once
// Small text conversions the writers share, and the reading of a whole file.
#include <filesystem>
#include <string>

namespace kv_docs {

std::string html_escaped(const std::string& text);
// Prose written for Markdown as HTML: escaped, its `code spans` as <code>.
std::string html_text(const std::string& markdown);
// The GitHub heading anchor of a function name: KV_Name -> kv_name.
std::string anchor(const std::string& name);
// The Lua language server's type for a C type as a script sees it.
std::string lua_type(const std::string& c_type);
// A file's bytes as they stand; empty when it cannot be read.
std::string read_file(const std::filesystem::path& path);

}  // namespace kv_docs
