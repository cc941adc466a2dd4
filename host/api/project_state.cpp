// The project's edit cursor, time selection and loop points, transport,
// open projects and their names, and the time map of a constant tempo.
#include <cmath>
#include <filesystem>

#include "api/action_table.hpp"
#include "api/host_api.hpp"
#include "model/state.hpp"
#include "model/text.hpp"

namespace kvhost::api {
using namespace kvhost::model;
namespace {

// The project being rendered: kvhost renders none.
constexpr int rendering_project = 0x40000000;

bool valid_time(double time) { return std::isfinite(time) && time >= 0; }

// Quarter notes per second times the share of a quarter note the
// denominator's note is: the denominator's notes per second.
double beats_per_second(const project::tempo_setting& tempo) { return tempo.bpm / 60 * tempo.denominator / 4; }

// A tempo a map can be drawn from: a file may hold anything.
bool usable(const project::tempo_setting& tempo) { return beats_per_second(tempo) > 0 && tempo.numerator > 0; }

}  // namespace

double GetCursorPosition() { return state().current->cursor; }

double GetCursorPositionEx(ReaProject* proj) {
  auto* owner = find_project(proj);
  return owner ? owner->cursor : 0;
}

void SetEditCurPos(double time, bool moveview, bool seekplay) { SetEditCurPos2(nullptr, time, moveview, seekplay); }

// Scrolling the view and seeking playback change nothing the host keeps.
void SetEditCurPos2(ReaProject* proj, double time, bool, bool) {
  auto* owner = find_project(proj);
  if (owner && valid_time(time)) owner->cursor = time;
}

void GetSet_LoopTimeRange(bool isSet, bool isLoop, double* startInOut, double* endInOut, bool allowautoseek) {
  GetSet_LoopTimeRange2(nullptr, isSet, isLoop, startInOut, endInOut, allowautoseek);
}

void GetSet_LoopTimeRange2(ReaProject* proj, bool isSet, bool isLoop, double* startInOut, double* endInOut, bool) {
  auto* owner = find_project(proj);
  if (!owner) return;
  auto& range = isLoop ? owner->loop_points : owner->time_selection;
  if (isSet && startInOut && endInOut && valid_time(*startInOut) && valid_time(*endInOut) && *startInOut <= *endInOut) {
    range = {*startInOut, *endInOut};
    if (state().actions.options.loop_follows_selection) (isLoop ? owner->time_selection : owner->loop_points) = range;
  }
  if (startInOut) *startInOut = range.start;
  if (endInOut) *endInOut = range.end;
}

int GetPlayState() { return state().current->play_state; }

int GetPlayStateEx(ReaProject* proj) {
  auto* owner = find_project(proj);
  return owner ? owner->play_state : 0;
}

void OnPlayButton() { actions::play(*state().current); }

void OnStopButton() { actions::stop(*state().current); }

ReaProject* EnumProjects(int idx, char* projfnOutOptional, int projfnOutOptional_sz) {
  auto& host = state();
  project* found = nullptr;
  if (idx == -1)
    found = host.current;
  else if (idx >= 0 && idx != rendering_project && idx < static_cast<int>(host.projects.size()))
    found = host.projects[static_cast<std::size_t>(idx)].get();
  if (found) copy_text(found->file, projfnOutOptional, projfnOutOptional_sz);
  return handle(found);
}

void GetProjectName(ReaProject* proj, char* bufOut, int bufOut_sz) {
  auto* owner = find_project(proj);
  if (!owner) return;
  copy_text(owner->file.empty() ? std::string() : std::filesystem::path(owner->file).filename().string(), bufOut,
            bufOut_sz);
}

void GetProjectTimeSignature2(ReaProject* proj, double* bpmOut, double* bpiOut) {
  auto* owner = find_project(proj);
  if (!owner) return;
  if (bpmOut) *bpmOut = owner->tempo.bpm;
  if (bpiOut) *bpiOut = owner->tempo.numerator;
}

double TimeMap2_timeToBeats(ReaProject* proj, double tpos, int* measuresOutOptional, int* cmlOutOptional,
                            double* fullbeatsOutOptional, int* cdenomOutOptional) {
  auto* owner = find_project(proj);
  if (!owner || !usable(owner->tempo)) return 0;
  const auto& tempo = owner->tempo;
  const double full = tpos * beats_per_second(tempo);
  const double measures = std::floor(full / tempo.numerator);
  if (measuresOutOptional) *measuresOutOptional = to_int(measures);
  if (cmlOutOptional) *cmlOutOptional = tempo.numerator;
  if (fullbeatsOutOptional) *fullbeatsOutOptional = full;
  if (cdenomOutOptional) *cdenomOutOptional = tempo.denominator;
  return full - measures * tempo.numerator;
}

double TimeMap2_beatsToTime(ReaProject* proj, double tpos, const int* measuresInOptional) {
  auto* owner = find_project(proj);
  if (!owner || !usable(owner->tempo)) return 0;
  const auto& tempo = owner->tempo;
  const double beats = tpos + (measuresInOptional ? static_cast<double>(*measuresInOptional) * tempo.numerator : 0);
  return beats / beats_per_second(tempo);
}

double TimeMap_GetDividedBpmAtTime(double) {
  const auto& tempo = state().current->tempo;
  return tempo.bpm * tempo.denominator / 4;
}

double Master_GetTempo() { return state().current->tempo.bpm; }

}  // namespace kvhost::api
