#!/usr/bin/env bash
# Runs one fuzz target for a number of seconds over the committed seeds plus
# what earlier runs found, kept in the build folder. Any crash, leak,
# oversized allocation or timeout fails the run.
set -euo pipefail
target=$1 seeds=$2 found=$3 seconds=$4
mkdir -p "$found"
# The score-file target writes every input to a file; memory is much faster.
[[ -z "${TMPDIR:-}" && -d /dev/shm && -w /dev/shm ]] && export TMPDIR=/dev/shm
exec "$target" -max_total_time="$seconds" -malloc_limit_mb=128 -rss_limit_mb=1024 -timeout=10 \
  -max_len=8192 -print_final_stats=1 -artifact_prefix="$(dirname "$found")/" "$found" "$seeds"
