#!/usr/bin/env bash
# Starts Talvero on the demo data folder with the simulated hardware.
set -euo pipefail
build_dir=$1
demo_home=$2
mkdir -p "$demo_home"
export TALVERO_PORT=${TALVERO_PORT:-sim}
if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "run-demo: no display; starting offscreen (set QT_QPA_PLATFORM to choose)"
  export QT_QPA_PLATFORM=offscreen
fi
echo "run-demo: data folder $demo_home"
exec "$build_dir/bin/Talvero" --home "$demo_home"
