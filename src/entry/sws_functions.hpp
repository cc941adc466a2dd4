#pragma once
// The SWS extension's functions, each with SWS's exact C signature. The
// library looks them up by name when an operation runs; the headless host
// offers the same functions under the same names.
#include "host_types.hpp"

// X(name, return type, parameter list with names)
#define KV_SWS_FUNCTIONS(X)                                                                                          \
  X(BR_EnvAlloc, BR_Envelope*, (TrackEnvelope * envelope, bool takeEnvelopesUseProjectTime))                         \
  X(BR_EnvCountPoints, int, (BR_Envelope * envelope))                                                                \
  X(BR_EnvDeletePoint, bool, (BR_Envelope * envelope, int id))                                                       \
  X(BR_EnvFree, bool, (BR_Envelope * envelope, bool commit))                                                         \
  X(BR_EnvGetPoint, bool,                                                                                            \
    (BR_Envelope * envelope, int id, double* positionOut, double* valueOut, int* shapeOut, bool* selectedOut,        \
     double* bezierOut))                                                                                             \
  X(BR_EnvSetPoint, bool,                                                                                            \
    (BR_Envelope * envelope, int id, double position, double value, int shape, bool selected, double bezier))        \
  X(BR_EnvGetProperties, void,                                                                                       \
    (BR_Envelope * envelope, bool* activeOut, bool* visibleOut, bool* armedOut, bool* inLaneOut, int* laneHeightOut, \
     int* defaultShapeOut, double* minValueOut, double* maxValueOut, double* centerValueOut, int* typeOut,           \
     bool* faderScalingOut, int* automationItemsOptionsOutOptional))                                                 \
  X(BR_EnvSetProperties, void,                                                                                       \
    (BR_Envelope * envelope, bool active, bool visible, bool armed, bool inLane, int laneHeight, int defaultShape,   \
     bool faderScaling, int* automationItemsOptionsInOptional))                                                      \
  X(BR_EnvSortPoints, void, (BR_Envelope * envelope))                                                                \
  X(NF_AnalyzeTakeLoudness2, bool,                                                                                   \
    (MediaItem_Take * take, bool analyzeTruePeak, double* lufsOut, double* rangeOut, double* truePeakOut,            \
     double* truePeakPosOut, double* shortTermMaxOut, double* momentaryMaxOut, double* shortTermMaxPosOut,           \
     double* momentaryMaxPosOut))

namespace sws_signature {
#define KV_SWS_SIGNATURE(name, ret, params) using name = ret params;
KV_SWS_FUNCTIONS(KV_SWS_SIGNATURE)
#undef KV_SWS_SIGNATURE
}  // namespace sws_signature
