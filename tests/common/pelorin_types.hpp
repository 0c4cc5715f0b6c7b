// Every message type of pelorin as an X-macro list, for tests that hold per type:
// X(kind, Type) for each of the 65 message types, in definition order.
#pragma once

#define PELORIN_ACTION_TYPES(X, A) \
  X(action, A##_Goal)              \
  X(action, A##_Result)            \
  X(action, A##_Feedback)          \
  X(action, A##_SendGoal_Request)  \
  X(action, A##_SendGoal_Response) \
  X(action, A##_GetResult_Request) \
  X(action, A##_GetResult_Response) \
  X(action, A##_FeedbackMessage)

#define PELORIN_MESSAGE_TYPES(X)                  \
  X(msg, MovementConstraint)                      \
  X(msg, MultiPaths)                              \
  X(msg, Path)                                    \
  X(srv, GetCoveredPoints_Request)                \
  X(srv, GetCoveredPoints_Response)               \
  X(srv, MapMark_Request)                         \
  X(srv, MapMark_Response)                        \
  X(srv, TriggerCleanCoverage_Request)            \
  X(srv, TriggerCleanCoverage_Response)           \
  PELORIN_ACTION_TYPES(X, Controller)             \
  PELORIN_ACTION_TYPES(X, CropPathPoint)          \
  PELORIN_ACTION_TYPES(X, ForceGlobalPath)        \
  PELORIN_ACTION_TYPES(X, FuzzyLiftFree)          \
  PELORIN_ACTION_TYPES(X, GlobalPlanning)         \
  PELORIN_ACTION_TYPES(X, LiftFree)               \
  PELORIN_ACTION_TYPES(X, LocalPlanning)

// X(kind, Service) for each of the 17 service types.
#define PELORIN_SERVICE_TYPES(X)                                          \
  X(srv, GetCoveredPoints) X(srv, MapMark) X(srv, TriggerCleanCoverage)   \
  X(action, Controller_SendGoal) X(action, Controller_GetResult)          \
  X(action, CropPathPoint_SendGoal) X(action, CropPathPoint_GetResult)    \
  X(action, ForceGlobalPath_SendGoal) X(action, ForceGlobalPath_GetResult) \
  X(action, FuzzyLiftFree_SendGoal) X(action, FuzzyLiftFree_GetResult)    \
  X(action, GlobalPlanning_SendGoal) X(action, GlobalPlanning_GetResult)  \
  X(action, LiftFree_SendGoal) X(action, LiftFree_GetResult)              \
  X(action, LocalPlanning_SendGoal) X(action, LocalPlanning_GetResult)

// X(Action) for each of the 7 action types.
#define PELORIN_ACTIONS(X) \
  X(Controller) X(CropPathPoint) X(ForceGlobalPath) X(FuzzyLiftFree) X(GlobalPlanning) \
  X(LiftFree) X(LocalPlanning)
