// The package's demo: builds a LocalPlanning result holding two paths, prints it as YAML,
// then takes it through the CDR layer, the type-support dispatch and the C structures.
#include <iostream>

#include "c_step.h"
#include "cdr_step.hpp"
#include "dispatch_step.hpp"
#include "pelorin/action/local_planning.hpp"

namespace {

pelorin::msg::Path make_path(int poses, float tolerance) {
  pelorin::msg::Path path;
  path.nav_path.header.frame_id = "map";
  for (int i = 0; i < poses; ++i) {
    geometry_msgs::msg::PoseStamped pose;
    pose.header.frame_id = "map";
    pose.pose.position.x = 0.5 * i;
    pose.pose.position.y = 0.25 * i;
    path.nav_path.poses.push_back(pose);
  }
  path.tolerance = tolerance;
  path.clean_state = 1;
  return path;
}

}  // namespace

int main() {
  pelorin::action::LocalPlanning_Result result;
  result.local_path = make_path(3, 0.05f);
  result.global_paths.uuid = "3f2c9a1e-route";
  result.global_paths.header.frame_id = "map";
  result.global_paths.paths = {make_path(2, 0.1f), make_path(4, 0.2f)};
  result.speed_limit.linear.x = 0.8;
  result.finished = true;
  result.cleaned_area = 12.5f;

  std::cout << "# pelorin::action::LocalPlanning_Result\n" << pelorin::action::to_yaml(result);
  std::cout << std::flush;
  run_cdr_step(result);
  run_dispatch_step(result);
  run_c_step();
  return 0;
}
