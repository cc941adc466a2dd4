#pragma once
// The action command IDs Main_OnCommand carries out; others stop a run.

namespace kvhost::api {

bool simulates_action(int command);

}  // namespace kvhost::api
