// Take envelopes: points, names and evaluation.
#include <algorithm>
#include <cmath>

#include "api/host_api.hpp"
#include "model/state.hpp"
#include "model/text.hpp"

namespace kvhost::api {
using namespace kvhost::model;

int CountEnvelopePoints(TrackEnvelope* envelope) {
  auto* member = find_envelope(envelope);
  return member ? static_cast<int>(member->points.size()) : 0;
}

bool GetEnvelopePoint(TrackEnvelope* envelope, int ptidx, double* timeOut, double* valueOut, int* shapeOut,
                      double* tensionOut, bool* selectedOut) {
  auto* member = find_envelope(envelope);
  if (!member || ptidx < 0 || ptidx >= static_cast<int>(member->points.size())) return false;
  const envelope_point& point = member->points[static_cast<std::size_t>(ptidx)];
  if (timeOut) *timeOut = point.time;
  if (valueOut) *valueOut = point.value;
  if (shapeOut) *shapeOut = point.shape;
  if (tensionOut) *tensionOut = point.tension;
  if (selectedOut) *selectedOut = point.selected;
  return true;
}

bool InsertEnvelopePoint(TrackEnvelope* envelope, double time, double value, int shape, double tension, bool selected,
                         bool* noSortInOptional) {
  auto* member = find_envelope(envelope);
  if (!member || !std::isfinite(time) || !std::isfinite(value) || !std::isfinite(tension)) return false;
  member->points.push_back({time, value, shape, tension, selected});
  if (!noSortInOptional || !*noSortInOptional) member->sort_points();
  return true;
}

bool GetEnvelopeName(TrackEnvelope* env, char* bufOut, int bufOut_sz) {
  auto* member = find_envelope(env);
  if (!member) return false;
  copy_text(member->name, bufOut, bufOut_sz);
  return true;
}

// The value at time; its slope per sample; how many samples on it stays on
// the same segment (at least 1, at most samplesRequested).
int Envelope_Evaluate(TrackEnvelope* envelope, double time, double samplerate, int samplesRequested, double* valueOut,
                      double* dVdSOut, double* ddVdSOut, double* dddVdSOut) {
  auto* member = find_envelope(envelope);
  if (!member || !std::isfinite(time)) return 0;
  const double value = member->value_at(time);
  double slope = 0;
  int valid = std::max(1, samplesRequested);
  const auto& points = member->points;
  const auto next = std::upper_bound(points.begin(), points.end(), time,
                                     [](double t, const envelope_point& point) { return t < point.time; });
  if (next != points.begin() && next != points.end() && std::prev(next)->shape != 1 &&
      next->time > std::prev(next)->time)
    slope = (next->value - std::prev(next)->value) / (next->time - std::prev(next)->time);
  if (next != points.end() && samplerate > 0 && std::isfinite(samplerate)) {
    const double until_next = std::floor((next->time - time) * samplerate);
    valid = static_cast<int>(std::clamp(until_next, 1.0, static_cast<double>(valid)));
  }
  if (valueOut) *valueOut = value;
  if (dVdSOut) *dVdSOut = samplerate > 0 && std::isfinite(samplerate) ? slope / samplerate : 0;
  if (ddVdSOut) *ddVdSOut = 0;
  if (dddVdSOut) *dddVdSOut = 0;
  return valid;
}

}  // namespace kvhost::api
