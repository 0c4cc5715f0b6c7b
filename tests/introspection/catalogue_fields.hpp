// The fields of every pelorin message type as the definitions list them, in order:
// PELORIN_FIELDS_<kind>_<Type>(F) expands F(name, type code, nested C++ type or void,
// is sequence) per field. Services and actions are written out as they expand.
#pragma once

#define PELORIN_FIELDS_msg_MovementConstraint(F) \
  F(precise_goal_reaching, 6, void, false) \
  F(allow_backword_movement, 6, void, false) \
  F(allow_horizontal_movement, 6, void, false)

#define PELORIN_FIELDS_msg_MultiPaths(F) \
  F(header, 18, std_msgs::msg::Header, false) \
  F(uuid, 16, void, false) \
  F(paths, 18, pelorin::msg::Path, true)

#define PELORIN_FIELDS_msg_Path(F) \
  F(nav_path, 18, nav_msgs::msg::Path, false) \
  F(tolerance, 1, void, false) \
  F(move_backward, 6, void, false) \
  F(in_narrow_space, 6, void, false) \
  F(clean_state, 13, void, false)

#define PELORIN_FIELDS_srv_GetCoveredPoints_Request(F) \
  F(trigger, 6, void, false)

#define PELORIN_FIELDS_srv_GetCoveredPoints_Response(F) \
  F(covered_points, 18, geometry_msgs::msg::PoseStamped, true)

#define PELORIN_FIELDS_srv_MapMark_Request(F) \
  F(enable, 6, void, false) \
  F(mark_name, 16, void, false) \
  F(mark_zones, 18, geometry_msgs::msg::Polygon, true)

#define PELORIN_FIELDS_srv_MapMark_Response(F) \
  F(success, 6, void, false)

#define PELORIN_FIELDS_srv_TriggerCleanCoverage_Request(F) \
  F(trigger, 6, void, false) \
  F(path_overlap_distance, 13, void, false) \
  F(path_width, 13, void, false)

#define PELORIN_FIELDS_srv_TriggerCleanCoverage_Response(F) \
  F(success, 6, void, false)

#define PELORIN_FIELDS_action_Controller_Goal(F) \
  F(path, 18, pelorin::msg::Path, false) \
  F(controller_id, 16, void, false) \
  F(target_yaw, 1, void, false) \
  F(control_rate, 13, void, false) \
  F(straight_dist, 1, void, false) \
  F(straight_speed, 1, void, false) \
  F(spin_dist, 1, void, false) \
  F(speed_limit_percent, 1, void, false) \
  F(speed_limit, 18, geometry_msgs::msg::Twist, false) \
  F(near_obstacle, 6, void, false) \
  F(wait_time, 18, builtin_interfaces::msg::Duration, false) \
  F(control_with_odom, 6, void, false) \
  F(finished, 6, void, false) \
  F(stop, 6, void, false) \
  F(is_sunny_path, 6, void, false) \
  F(near_destination, 6, void, false) \
  F(movement_constraint, 18, pelorin::msg::MovementConstraint, false) \
  F(run_mode, 13, void, false) \
  F(extra_goals, 18, geometry_msgs::msg::PoseStamped, true)

#define PELORIN_FIELDS_action_Controller_Result(F) \
  F(result, 18, std_msgs::msg::Empty, false)

#define PELORIN_FIELDS_action_Controller_Feedback(F) \
  F(controller_success, 6, void, false)

#define PELORIN_FIELDS_action_Controller_SendGoal_Request(F) \
  F(goal_id, 18, unique_identifier_msgs::msg::UUID, false) \
  F(goal, 18, pelorin::action::Controller_Goal, false)

#define PELORIN_FIELDS_action_Controller_SendGoal_Response(F) \
  F(accepted, 6, void, false) \
  F(stamp, 18, builtin_interfaces::msg::Time, false)

#define PELORIN_FIELDS_action_Controller_GetResult_Request(F) \
  F(goal_id, 18, unique_identifier_msgs::msg::UUID, false)

#define PELORIN_FIELDS_action_Controller_GetResult_Response(F) \
  F(status, 9, void, false) \
  F(result, 18, pelorin::action::Controller_Result, false)

#define PELORIN_FIELDS_action_Controller_FeedbackMessage(F) \
  F(goal_id, 18, unique_identifier_msgs::msg::UUID, false) \
  F(feedback, 18, pelorin::action::Controller_Feedback, false)

#define PELORIN_FIELDS_action_CropPathPoint_Goal(F) \
  F(goal_pose, 18, geometry_msgs::msg::PoseStamped, false)

#define PELORIN_FIELDS_action_CropPathPoint_Result(F) \
  F(new_goal_pose, 18, geometry_msgs::msg::PoseStamped, false)

#define PELORIN_FIELDS_action_CropPathPoint_Feedback(F) \
  F(structure_needs_at_least_one_member, 8, void, false)

#define PELORIN_FIELDS_action_CropPathPoint_SendGoal_Request(F) \
  F(goal_id, 18, unique_identifier_msgs::msg::UUID, false) \
  F(goal, 18, pelorin::action::CropPathPoint_Goal, false)

#define PELORIN_FIELDS_action_CropPathPoint_SendGoal_Response(F) \
  F(accepted, 6, void, false) \
  F(stamp, 18, builtin_interfaces::msg::Time, false)

#define PELORIN_FIELDS_action_CropPathPoint_GetResult_Request(F) \
  F(goal_id, 18, unique_identifier_msgs::msg::UUID, false)

#define PELORIN_FIELDS_action_CropPathPoint_GetResult_Response(F) \
  F(status, 9, void, false) \
  F(result, 18, pelorin::action::CropPathPoint_Result, false)

#define PELORIN_FIELDS_action_CropPathPoint_FeedbackMessage(F) \
  F(goal_id, 18, unique_identifier_msgs::msg::UUID, false) \
  F(feedback, 18, pelorin::action::CropPathPoint_Feedback, false)

#define PELORIN_FIELDS_action_ForceGlobalPath_Goal(F) \
  F(goal_pose, 18, geometry_msgs::msg::PoseStamped, false) \
  F(lift_inner_frame, 18, geometry_msgs::msg::Polygon, false)

#define PELORIN_FIELDS_action_ForceGlobalPath_Result(F) \
  F(generate_success, 6, void, false) \
  F(global_paths, 18, pelorin::msg::MultiPaths, false)

#define PELORIN_FIELDS_action_ForceGlobalPath_Feedback(F) \
  F(structure_needs_at_least_one_member, 8, void, false)

#define PELORIN_FIELDS_action_ForceGlobalPath_SendGoal_Request(F) \
  F(goal_id, 18, unique_identifier_msgs::msg::UUID, false) \
  F(goal, 18, pelorin::action::ForceGlobalPath_Goal, false)

#define PELORIN_FIELDS_action_ForceGlobalPath_SendGoal_Response(F) \
  F(accepted, 6, void, false) \
  F(stamp, 18, builtin_interfaces::msg::Time, false)

#define PELORIN_FIELDS_action_ForceGlobalPath_GetResult_Request(F) \
  F(goal_id, 18, unique_identifier_msgs::msg::UUID, false)

#define PELORIN_FIELDS_action_ForceGlobalPath_GetResult_Response(F) \
  F(status, 9, void, false) \
  F(result, 18, pelorin::action::ForceGlobalPath_Result, false)

#define PELORIN_FIELDS_action_ForceGlobalPath_FeedbackMessage(F) \
  F(goal_id, 18, unique_identifier_msgs::msg::UUID, false) \
  F(feedback, 18, pelorin::action::ForceGlobalPath_Feedback, false)

#define PELORIN_FIELDS_action_FuzzyLiftFree_Goal(F) \
  F(pose, 18, geometry_msgs::msg::PoseStamped, false) \
  F(lift_inner_frame, 18, geometry_msgs::msg::Polygon, false) \
  F(update_plan, 6, void, false) \
  F(task_id, 16, void, false) \
  F(force_enter, 6, void, false)

#define PELORIN_FIELDS_action_FuzzyLiftFree_Result(F) \
  F(is_free, 6, void, false) \
  F(exist_emergency_patient, 6, void, false) \
  F(robot_in_polygon, 6, void, false) \
  F(current_index, 13, void, false) \
  F(fuzzy_pose, 18, geometry_msgs::msg::PoseStamped, false)

#define PELORIN_FIELDS_action_FuzzyLiftFree_Feedback(F) \
  F(structure_needs_at_least_one_member, 8, void, false)

#define PELORIN_FIELDS_action_FuzzyLiftFree_SendGoal_Request(F) \
  F(goal_id, 18, unique_identifier_msgs::msg::UUID, false) \
  F(goal, 18, pelorin::action::FuzzyLiftFree_Goal, false)

#define PELORIN_FIELDS_action_FuzzyLiftFree_SendGoal_Response(F) \
  F(accepted, 6, void, false) \
  F(stamp, 18, builtin_interfaces::msg::Time, false)

#define PELORIN_FIELDS_action_FuzzyLiftFree_GetResult_Request(F) \
  F(goal_id, 18, unique_identifier_msgs::msg::UUID, false)

#define PELORIN_FIELDS_action_FuzzyLiftFree_GetResult_Response(F) \
  F(status, 9, void, false) \
  F(result, 18, pelorin::action::FuzzyLiftFree_Result, false)

#define PELORIN_FIELDS_action_FuzzyLiftFree_FeedbackMessage(F) \
  F(goal_id, 18, unique_identifier_msgs::msg::UUID, false) \
  F(feedback, 18, pelorin::action::FuzzyLiftFree_Feedback, false)

#define PELORIN_FIELDS_action_GlobalPlanning_Goal(F) \
  F(poses, 18, geometry_msgs::msg::PoseStamped, true) \
  F(recommand_work_points, 18, geometry_msgs::msg::PoseStamped, true) \
  F(planning_id, 16, void, false) \
  F(goal_mode, 18, std_msgs::msg::Int16, false) \
  F(goal_zone, 18, geometry_msgs::msg::Point32, true) \
  F(action_id, 18, std_msgs::msg::Int32, false) \
  F(covered_point_input_global, 18, geometry_msgs::msg::Point32, true) \
  F(movement_constraint, 18, pelorin::msg::MovementConstraint, false)

#define PELORIN_FIELDS_action_GlobalPlanning_Result(F) \
  F(global_paths, 18, pelorin::msg::MultiPaths, false) \
  F(goal_zones, 18, geometry_msgs::msg::Polygon, true) \
  F(origin_zones, 18, geometry_msgs::msg::Polygon, true) \
  F(start_target_yaw, 1, void, false) \
  F(end_target_yaw, 1, void, false) \
  F(planning_time, 18, builtin_interfaces::msg::Duration, false) \
  F(global_path_uuid, 16, void, false) \
  F(goal_mode_result, 18, std_msgs::msg::Int16, false) \
  F(action_id_result, 18, std_msgs::msg::Int32, false) \
  F(covered_point_output_global, 18, geometry_msgs::msg::Point32, true) \
  F(err_num, 13, void, false) \
  F(post_task_pose, 18, geometry_msgs::msg::PoseStamped, true) \
  F(max_speed, 1, void, false) \
  F(path_overlap_distance, 13, void, false) \
  F(path_width, 13, void, false) \
  F(global_path_length, 1, void, false) \
  F(update_global_path_length, 6, void, false) \
  F(goal_pose, 18, geometry_msgs::msg::PoseStamped, false)

#define PELORIN_FIELDS_action_GlobalPlanning_Feedback(F) \
  F(structure_needs_at_least_one_member, 8, void, false)

#define PELORIN_FIELDS_action_GlobalPlanning_SendGoal_Request(F) \
  F(goal_id, 18, unique_identifier_msgs::msg::UUID, false) \
  F(goal, 18, pelorin::action::GlobalPlanning_Goal, false)

#define PELORIN_FIELDS_action_GlobalPlanning_SendGoal_Response(F) \
  F(accepted, 6, void, false) \
  F(stamp, 18, builtin_interfaces::msg::Time, false)

#define PELORIN_FIELDS_action_GlobalPlanning_GetResult_Request(F) \
  F(goal_id, 18, unique_identifier_msgs::msg::UUID, false)

#define PELORIN_FIELDS_action_GlobalPlanning_GetResult_Response(F) \
  F(status, 9, void, false) \
  F(result, 18, pelorin::action::GlobalPlanning_Result, false)

#define PELORIN_FIELDS_action_GlobalPlanning_FeedbackMessage(F) \
  F(goal_id, 18, unique_identifier_msgs::msg::UUID, false) \
  F(feedback, 18, pelorin::action::GlobalPlanning_Feedback, false)

#define PELORIN_FIELDS_action_LiftFree_Goal(F) \
  F(pose, 18, geometry_msgs::msg::PoseStamped, false)

#define PELORIN_FIELDS_action_LiftFree_Result(F) \
  F(is_free, 6, void, false) \
  F(robot_in_polygon, 6, void, false)

#define PELORIN_FIELDS_action_LiftFree_Feedback(F) \
  F(structure_needs_at_least_one_member, 8, void, false)

#define PELORIN_FIELDS_action_LiftFree_SendGoal_Request(F) \
  F(goal_id, 18, unique_identifier_msgs::msg::UUID, false) \
  F(goal, 18, pelorin::action::LiftFree_Goal, false)

#define PELORIN_FIELDS_action_LiftFree_SendGoal_Response(F) \
  F(accepted, 6, void, false) \
  F(stamp, 18, builtin_interfaces::msg::Time, false)

#define PELORIN_FIELDS_action_LiftFree_GetResult_Request(F) \
  F(goal_id, 18, unique_identifier_msgs::msg::UUID, false)

#define PELORIN_FIELDS_action_LiftFree_GetResult_Response(F) \
  F(status, 9, void, false) \
  F(result, 18, pelorin::action::LiftFree_Result, false)

#define PELORIN_FIELDS_action_LiftFree_FeedbackMessage(F) \
  F(goal_id, 18, unique_identifier_msgs::msg::UUID, false) \
  F(feedback, 18, pelorin::action::LiftFree_Feedback, false)

#define PELORIN_FIELDS_action_LocalPlanning_Goal(F) \
  F(global_paths, 18, pelorin::msg::MultiPaths, false) \
  F(goal_zones, 18, geometry_msgs::msg::Polygon, true) \
  F(planning_id, 16, void, false) \
  F(global_path_uuid, 16, void, false) \
  F(goal_mode_result, 18, std_msgs::msg::Int16, false) \
  F(action_id_result, 18, std_msgs::msg::Int32, false) \
  F(covered_point_input_local, 18, geometry_msgs::msg::Point32, true) \
  F(max_speed, 1, void, false) \
  F(path_overlap_distance, 13, void, false) \
  F(path_width, 13, void, false) \
  F(global_path_length, 1, void, false) \
  F(update_global_path_length, 6, void, false) \
  F(goal_pose, 18, geometry_msgs::msg::PoseStamped, false) \
  F(run_mode, 13, void, false) \
  F(precise_goal_reaching, 6, void, false) \
  F(movement_constraint, 18, pelorin::msg::MovementConstraint, false) \
  F(extra_goals, 18, geometry_msgs::msg::PoseStamped, true)

#define PELORIN_FIELDS_action_LocalPlanning_Result(F) \
  F(local_path, 18, pelorin::msg::Path, false) \
  F(global_paths, 18, pelorin::msg::MultiPaths, false) \
  F(residues_zones, 18, geometry_msgs::msg::Polygon, true) \
  F(control_with_odom, 6, void, false) \
  F(start_target_yaw, 1, void, false) \
  F(end_target_yaw, 1, void, false) \
  F(speed_limit_percent, 1, void, false) \
  F(speed_limit, 18, geometry_msgs::msg::Twist, false) \
  F(near_obstacle, 6, void, false) \
  F(start_need_spin, 6, void, false) \
  F(end_need_spin, 6, void, false) \
  F(finished, 6, void, false) \
  F(near_destination, 6, void, false) \
  F(action_id_to_planner, 18, std_msgs::msg::Int32, false) \
  F(covered_point_output_local, 18, geometry_msgs::msg::Point32, true) \
  F(post_task_pose, 18, geometry_msgs::msg::PoseStamped, true) \
  F(stop, 6, void, false) \
  F(is_sunny_path, 6, void, false) \
  F(request_to_global_planning, 6, void, false) \
  F(cleaned_area, 1, void, false)

#define PELORIN_FIELDS_action_LocalPlanning_Feedback(F) \
  F(distance_to_goal, 1, void, false) \
  F(speed, 1, void, false)

#define PELORIN_FIELDS_action_LocalPlanning_SendGoal_Request(F) \
  F(goal_id, 18, unique_identifier_msgs::msg::UUID, false) \
  F(goal, 18, pelorin::action::LocalPlanning_Goal, false)

#define PELORIN_FIELDS_action_LocalPlanning_SendGoal_Response(F) \
  F(accepted, 6, void, false) \
  F(stamp, 18, builtin_interfaces::msg::Time, false)

#define PELORIN_FIELDS_action_LocalPlanning_GetResult_Request(F) \
  F(goal_id, 18, unique_identifier_msgs::msg::UUID, false)

#define PELORIN_FIELDS_action_LocalPlanning_GetResult_Response(F) \
  F(status, 9, void, false) \
  F(result, 18, pelorin::action::LocalPlanning_Result, false)

#define PELORIN_FIELDS_action_LocalPlanning_FeedbackMessage(F) \
  F(goal_id, 18, unique_identifier_msgs::msg::UUID, false) \
  F(feedback, 18, pelorin::action::LocalPlanning_Feedback, false)
