# shellcheck shell=bash
# The CPU time of a script's children, for the scripts that time what they run (stages.sh,
# tidy.sh). Sourced, not run.

# Sets children_cpu to the children's user + system time so far, in milliseconds: bash's
# `times`, whose second line counts the children this shell has waited for (and so what
# their own children used). Neither this function nor `times` may run in a command
# substitution: that is a new process, whose children have used nothing yet.
children_cpu_ms() {
  local file
  file=$(mktemp)
  times >"$file"
  # shellcheck disable=SC2034  # read by the scripts that source this file
  children_cpu=$(sed -n 2p "$file" | awk '{ ms = 0; for (i = 1; i <= 2; i++) { split($i, p, "m"); ms += p[1] * 60000 + p[2] * 1000 } printf "%d\n", ms }')
  rm -f "$file"
}
