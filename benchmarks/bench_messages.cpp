// How fast the layers handle a large message: a LocalPlanning result with 8 global paths of
// 50 poses each. Run: build/bin/pelorin_benchmarks
#include <benchmark/benchmark.h>

#include <vector>

#include "fastcdr/Cdr.h"
#include "fastcdr/FastBuffer.h"
#include "pelorin/action/detail/local_planning__rosidl_typesupport_fastrtps_cpp.hpp"
#include "geometry_msgs/msg/pose_stamped.h"
#include "pelorin/action/local_planning.h"
#include "pelorin/msg/path.h"
#include "pelorin/action/local_planning.hpp"

namespace {

pelorin::action::LocalPlanning_Result make_result() {
  pelorin::action::LocalPlanning_Result result;
  result.global_paths.uuid = "benchmark-route";
  result.global_paths.paths.resize(8);
  for (auto& path : result.global_paths.paths) {
    path.nav_path.header.frame_id = "map";
    path.nav_path.poses.resize(50);
    for (std::size_t i = 0; i < path.nav_path.poses.size(); ++i) {
      path.nav_path.poses[i].header.frame_id = "map";
      path.nav_path.poses[i].pose.position.x = 0.1 * static_cast<double>(i);
    }
  }
  result.residues_zones.resize(4);
  for (auto& zone : result.residues_zones) zone.points.resize(16);
  return result;
}

using pelorin::action::typesupport_fastrtps_cpp::cdr_deserialize;
using pelorin::action::typesupport_fastrtps_cpp::cdr_serialize;
using pelorin::action::typesupport_fastrtps_cpp::get_serialized_size;

void BM_CdrSerialize(benchmark::State& state) {
  const auto result = make_result();
  std::vector<char> buffer(get_serialized_size(result, 0));
  for (auto _ : state) {
    eprosima::fastcdr::FastBuffer fast(buffer.data(), buffer.size());
    eprosima::fastcdr::Cdr cdr(fast, eprosima::fastcdr::Cdr::LITTLE_ENDIANNESS,
                               eprosima::fastcdr::Cdr::DDS_CDR);
    cdr_serialize(result, cdr);
    benchmark::DoNotOptimize(buffer.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * buffer.size()));
}
BENCHMARK(BM_CdrSerialize);

// Reading into the same message again reuses its storage: no allocation per iteration.
void BM_CdrDeserializeReusingMessage(benchmark::State& state) {
  const auto result = make_result();
  std::vector<char> buffer(get_serialized_size(result, 0));
  {
    eprosima::fastcdr::FastBuffer fast(buffer.data(), buffer.size());
    eprosima::fastcdr::Cdr cdr(fast, eprosima::fastcdr::Cdr::LITTLE_ENDIANNESS,
                               eprosima::fastcdr::Cdr::DDS_CDR);
    cdr_serialize(result, cdr);
  }
  pelorin::action::LocalPlanning_Result target;
  for (auto _ : state) {
    eprosima::fastcdr::FastBuffer fast(buffer.data(), buffer.size());
    eprosima::fastcdr::Cdr cdr(fast, eprosima::fastcdr::Cdr::LITTLE_ENDIANNESS,
                               eprosima::fastcdr::Cdr::DDS_CDR);
    cdr_deserialize(cdr, target);
    benchmark::DoNotOptimize(&target);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * buffer.size()));
}
BENCHMARK(BM_CdrDeserializeReusingMessage);

void BM_SerializedSize(benchmark::State& state) {
  const auto result = make_result();
  for (auto _ : state) benchmark::DoNotOptimize(get_serialized_size(result, 0));
}
BENCHMARK(BM_SerializedSize);

void BM_CppCopy(benchmark::State& state) {
  const auto result = make_result();
  for (auto _ : state) {
    pelorin::action::LocalPlanning_Result copy = result;
    benchmark::DoNotOptimize(&copy);
  }
}
BENCHMARK(BM_CppCopy);

// C copy onto the same output: after the first round the output has room and nothing grows.
void BM_CCopyOntoSameOutput(benchmark::State& state) {
  pelorin__action__LocalPlanning_Result* source = pelorin__action__LocalPlanning_Result__create();
  pelorin__action__LocalPlanning_Result* target = pelorin__action__LocalPlanning_Result__create();
  pelorin__msg__Path__Sequence__init(&source->global_paths.paths, 8);
  for (size_t i = 0; i < source->global_paths.paths.size; ++i) {
    geometry_msgs__msg__PoseStamped__Sequence__init(
        &source->global_paths.paths.data[i].nav_path.poses, 50);
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(pelorin__action__LocalPlanning_Result__copy(source, target));
  }
  pelorin__action__LocalPlanning_Result__destroy(source);
  pelorin__action__LocalPlanning_Result__destroy(target);
}
BENCHMARK(BM_CCopyOntoSameOutput);

}  // namespace

BENCHMARK_MAIN();
