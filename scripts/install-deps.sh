#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Talvero need,
# and only those that are missing. apt-get runs as root directly, otherwise through sudo.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config
  # Qt 6: widgets, SQLite driver, multimedia
  qt6-base-dev libqt6sql6-sqlite qt6-multimedia-dev libgl-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # sound server and speech
  libpulse-dev pulseaudio libespeak-ng-dev espeak-ng libmecab-dev mecab-ipadic-utf8 sox
  # mail
  libcurl4-openssl-dev python3-aiosmtpd
  # SIP line: user agent, RTP, tones, and the SIP clients the tests call with
  libsofia-sip-ua-dev libortp-dev libspandsp-dev baresip linphone-cli
  # desktop: Japanese font (without it every kana is an empty box), a virtual X server
  fonts-noto-cjk xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  echo "install-deps: all ${#packages[@]} packages are installed"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
