-- Script arrays refuse ranges outside them, however large the numbers: an
-- offset plus a count past the integer limit must not wrap into a range.
local a = reaper.new_array({1, 2, 3})
for _, range in ipairs({{math.maxinteger, 5}, {2, math.maxinteger}, {(1 << 62) + 1, 1 << 62}, {5, 0}, {0, 1}}) do
  assert(not pcall(a.clear, a, 7, range[1], range[2]), "clear " .. range[1] .. ", " .. range[2])
  assert(not pcall(a.table, a, range[1], range[2]), "table " .. range[1] .. ", " .. range[2])
end
a:clear(7, 2, 2)
local t = a:table(4, 0)
assert(#t == 0)
t = a.table(a)
assert(#t == 3 and t[1] == 1 and t[2] == 7 and t[3] == 7)

-- Methods work called with a dot, as REAPER scripts often write them, and with a colon.
local b = reaper.new_array({4, 5, 6})
b.clear(9, 3)
assert(b.table()[3] == 9 and b:table(2, 1)[1] == 5 and b.get_alloc() == 3)
b.resize(2)
assert(#b == 2 and #b:table() == 2)
