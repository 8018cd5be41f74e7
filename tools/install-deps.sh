#!/bin/sh
# Installs the Debian packages listed in tools/debian-packages.txt that are not installed yet.
set -eu
list="$(dirname "$0")/debian-packages.txt"
missing=""
for pkg in $(grep -v '^#' "$list"); do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    case "$status" in
        *"install ok installed"*) ;;
        *) missing="$missing $pkg" ;;
    esac
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
echo "Installing:$missing"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
