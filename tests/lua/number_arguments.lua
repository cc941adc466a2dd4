-- Numbers that scripts pass for int parameters: fractions truncate toward
-- zero; NaN and numbers beyond the int range get a defined value.
local function formatted(num, digits)
  local ok, text = reaper.KV_FormatNumDigit(num, digits)
  assert(ok, "formatting " .. tostring(num))
  return text
end

assert(formatted(7.9, 3) == "007")
assert(formatted(-7.9, 3) == "-007")
assert(formatted(2.5, 2.9) == "02", "a fractional digit count truncates too")
assert(formatted(1e300, 1) == "2147483647")
assert(formatted(-1e300, 1) == "-2147483648")
assert(formatted(math.huge, 1) == "2147483647")
assert(formatted(0 / 0, 1) == "0")
assert(formatted(2147483648.5, 1) == "2147483647")
assert(formatted(0x100000005, 1) == "5", "an integer keeps its low 32 bits")
