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
# First start: the virtual line is the modem, switched on at start and answering after two rings,
# with the answering machine and remote operation on (playback password 1234, IR password 5678;
# key 1 plays the messages, 2 skips one). make run has installed the speech components already.
demo_ini="$demo_home/setting.ini"
if ! grep -qi '^\[Tapi\]' "$demo_ini" 2>/dev/null; then
  cat >>"$demo_ini" <<'INI'
[Line]
Provider=sim
[Tapi]
Card=Talvero Virtual Line
NumRings=2
[Startup]
Auto=1
[TTS]
Install=1
[Feature]
AnsweringMachine=1
IRRemote=1
[AnsweringMachine]
MaxMessage=60
Remote=1
Pass=1234
Play=1
Skip=2
[IRRemote]
Pass=5678
INI
  chmod 600 "$demo_ini"
fi
# The main program creates the dial-up component by its class name.
"$build_dir/bin/Nimbal" --register
echo "run-demo: data folder $demo_home"
exec "$build_dir/bin/Talvero" --home "$demo_home"
