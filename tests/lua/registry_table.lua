-- Every function is registered in table order with exactly the definition of
-- tests/data/registry.txt: "name|result|typed parameters|help text".

local folder = arg[0]:match("^(.*)/") or "."
local expected = {}
for line in io.lines(folder .. "/../data/registry.txt") do
  expected[#expected + 1] = line
end

local names = kvhost.functions()
assert(#names == #expected, ("%d functions registered, %d expected"):format(#names, #expected))
for i, name in ipairs(names) do
  local result, types, params, help = kvhost.definition(name)
  local typed = {}
  for j = 1, #types do typed[j] = types[j] .. " " .. params[j] end
  local got = table.concat({name, result, table.concat(typed, ", "), help}, "|")
  assert(got == expected[i], ("row %d:\n  got      %s\n  expected %s"):format(i, got, expected[i]))
end
