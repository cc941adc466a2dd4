kvhost.case("passes", function() end)
kvhost.case("fails <here>", function() error("wrong & broken") end)
