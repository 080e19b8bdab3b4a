#!/bin/sh
# Installs those of the given Debian packages that are missing, with apt-get: directly as root,
# otherwise through pkexec. Exits 0 when everything is in place.
set -u

missing=""
for package in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing="$missing $package"
done
[ -n "$missing" ] || exit 0

as_root=""
[ "$(id -u)" -eq 0 ] || as_root="pkexec"
# Several steps may run at once: wait for the package database rather than fail on its lock.
install_missing() {
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        -o DPkg::Lock::Timeout=600 $missing
}
echo "installing:$missing"
# shellcheck disable=SC2086
install_missing || { $as_root apt-get update -q -o DPkg::Lock::Timeout=600 && install_missing; }
