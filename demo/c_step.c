// The demo's C step: the same LocalPlanning result as the C++ part, as a C structure.
#include "c_step.h"

#include <stdbool.h>
#include <stdio.h>

#include "geometry_msgs/msg/pose_stamped.h"
#include "pelorin/action/local_planning.h"
#include "pelorin/msg/path.h"
#include "rosidl_runtime_c/string_functions.h"

static bool fill_path(pelorin__msg__Path * path, size_t poses, float tolerance)
{
  if (!rosidl_runtime_c__String__assign(&path->nav_path.header.frame_id, "map")) {
    return false;
  }
  // the record is empty after __init, so it can be sized directly
  if (!geometry_msgs__msg__PoseStamped__Sequence__init(&path->nav_path.poses, poses)) {
    return false;
  }
  for (size_t i = 0; i < poses; ++i) {
    geometry_msgs__msg__PoseStamped * pose = &path->nav_path.poses.data[i];
    if (!rosidl_runtime_c__String__assign(&pose->header.frame_id, "map")) {
      return false;
    }
    pose->pose.position.x = 0.5 * (double)i;
    pose->pose.position.y = 0.25 * (double)i;
  }
  path->tolerance = tolerance;
  path->clean_state = 1;
  return true;
}

static bool fill_result(pelorin__action__LocalPlanning_Result * result)
{
  if (!fill_path(&result->local_path, 3, 0.05f) ||
    !rosidl_runtime_c__String__assign(&result->global_paths.uuid, "3f2c9a1e-route") ||
    !rosidl_runtime_c__String__assign(&result->global_paths.header.frame_id, "map") ||
    !pelorin__msg__Path__Sequence__init(&result->global_paths.paths, 2) ||
    !fill_path(&result->global_paths.paths.data[0], 2, 0.1f) ||
    !fill_path(&result->global_paths.paths.data[1], 4, 0.2f))
  {
    return false;
  }
  result->speed_limit.linear.x = 0.8;
  result->finished = true;
  result->cleaned_area = 12.5f;
  return true;
}

void run_c_step(void)
{
  pelorin__action__LocalPlanning_Result * result = pelorin__action__LocalPlanning_Result__create();
  pelorin__action__LocalPlanning_Result * copy = pelorin__action__LocalPlanning_Result__create();
  if (!result || !copy || !fill_result(result)) {
    printf("# C structure: could not be built (out of memory)\n");
  } else if (!pelorin__action__LocalPlanning_Result__copy(result, copy)) {
    printf("# C structure: copy failed (out of memory)\n");
  } else {
    const bool equal = pelorin__action__LocalPlanning_Result__are_equal(result, copy);
    printf(
      "# C structure pelorin__action__LocalPlanning_Result: %zu global paths "
      "(%zu and %zu poses), local path of %zu poses; copy %s the original\n",
      copy->global_paths.paths.size,
      copy->global_paths.paths.data[0].nav_path.poses.size,
      copy->global_paths.paths.data[1].nav_path.poses.size,
      copy->local_path.nav_path.poses.size,
      equal ? "equals" : "DIFFERS FROM");
  }
  pelorin__action__LocalPlanning_Result__destroy(copy);
  pelorin__action__LocalPlanning_Result__destroy(result);
}
