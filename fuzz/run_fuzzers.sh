#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for a while, each on a scratch copy of its seed
# corpus (so the checked-in seeds stay small), and fails if any target finds a crash.
#
#   fuzz/run_fuzzers.sh BUILD_DIR [SECONDS_PER_TARGET]     (default 20 seconds)
#
# BUILD_DIR was configured with -DKORVO_FUZZ=ON; targets are BUILD_DIR/bin/*_fuzz, and the seeds
# of <name>_fuzz are in fuzz/corpus/<name>/ (with fuzz/<name>.dict as its dictionary, if any).
# Crash reproducers are kept in BUILD_DIR/fuzz-artifacts/.
set -euo pipefail

if [[ $# -lt 1 ]]; then
  echo "usage: $0 BUILD_DIR [SECONDS_PER_TARGET]" >&2
  exit 2
fi
build_dir=$(cd "$1" && pwd)
seconds=${2:-20}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
artifacts="$build_dir/fuzz-artifacts"
mkdir -p "$artifacts"

shopt -s nullglob
targets=("$build_dir"/bin/*_fuzz)
if [[ ${#targets[@]} -eq 0 ]]; then
  echo "no fuzz targets in $build_dir/bin (configure with -DKORVO_FUZZ=ON and build them)" >&2
  exit 2
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=()
for target in "${targets[@]}"; do
  name=$(basename "$target" _fuzz)
  corpus="$scratch/$name"
  mkdir -p "$corpus"
  if [[ -d "$here/corpus/$name" ]]; then cp -R "$here/corpus/$name/." "$corpus/"; fi
  options=(-max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$artifacts/$name-")
  if [[ -f "$here/$name.dict" ]]; then options+=(-dict="$here/$name.dict"); fi
  echo "== $name: ${seconds}s"
  if ! "$target" "${options[@]}" "$corpus"; then
    failed+=("$name")
  fi
done

if [[ ${#failed[@]} -gt 0 ]]; then
  echo "fuzzing found problems in: ${failed[*]} (reproducers in $artifacts)" >&2
  exit 1
fi
echo "all ${#targets[@]} fuzz target(s) ran ${seconds}s without a crash"
