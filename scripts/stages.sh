# shellcheck shell=bash
# Runs the stages of scripts/test.sh and times them: run_stage <name> calls stage_<name> and
# prints its wall time and its CPU time, the user and system time of the programs it ran
# (bash's `times`, whose second line counts the children this shell has waited for). At
# exit, whether the run passed or a stage failed, it prints every stage that ran and their
# total, so that a failed run still says where its time went. Sourced, not run.

stage_names=()
stage_walls=()
stage_cpus=()

# shellcheck source=scripts/children_cpu.sh
source "$(dirname "${BASH_SOURCE[0]}")/children_cpu.sh"

now_ms() {
  echo $((${EPOCHREALTIME/./} / 1000))
}

seconds() {
  printf '%d.%d' $(($1 / 1000)) $(($1 % 1000 / 100))
}

run_stage() {
  local name=$1 wall cpu
  stage_running=$name
  echo "=== stage $name"
  wall=$(now_ms)
  children_cpu_ms
  cpu=$children_cpu
  "stage_$name"
  wall=$(($(now_ms) - wall))
  children_cpu_ms
  cpu=$((children_cpu - cpu))
  stage_names+=("$name")
  stage_walls+=("$wall")
  stage_cpus+=("$cpu")
  stage_running=
  echo "=== stage $name: $(seconds "$wall") s wall, $(seconds "$cpu") s CPU"
}

print_stage_times() {
  local status=$? i wall=0 cpu=0
  echo
  printf '%-20s %10s %10s\n' stage 'wall (s)' 'CPU (s)'
  for i in "${!stage_names[@]}"; do
    printf '%-20s %10s %10s\n' "${stage_names[i]}" "$(seconds "${stage_walls[i]}")" "$(seconds "${stage_cpus[i]}")"
    wall=$((wall + stage_walls[i]))
    cpu=$((cpu + stage_cpus[i]))
  done
  printf '%-20s %10s %10s\n' total "$(seconds "$wall")" "$(seconds "$cpu")"
  if [[ -n ${stage_running:-} ]]; then
    echo "FAILED in stage $stage_running"
  fi
  return "$status"
}
trap print_stage_times EXIT
