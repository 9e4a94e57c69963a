#!/usr/bin/env bash
# Installs what building, running and testing need on Debian or Ubuntu, when something is missing,
# then checks that CMake and Qt are new enough to build Flebika.
set -euo pipefail

packages=(cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev fonts-liberation
    qt6-translations-l10n)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    # Releases older than the build needs may lack the Qt 6 packages altogether.
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null || {
        echo "Could not install ${missing[*]}: Flebika needs Debian 12 or later or Ubuntu 23.04" \
            "or later, with CMake 3.25 and Qt 6.3 or later." >&2
        exit 1
    }
fi

# The build needs CMake 3.25 and Qt 6.3 or later; older releases (Ubuntu 22.04 ships CMake 3.22
# and Qt 6.2) would stop deep in the configure step, so say it here in one line.
at_least() { [ "$(printf '%s\n%s\n' "$2" "$1" | sort -V | head -n1)" = "$2" ]; }
cmake_version=$(cmake --version | sed -n '1s/^cmake version \([0-9.]*\).*/\1/p')
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
qt_version=${qt_version#*:}
qt_version=${qt_version%%[+~-]*}
if ! at_least "$cmake_version" 3.25 || ! at_least "$qt_version" 6.3; then
    echo "Flebika needs CMake 3.25 or later and Qt 6.3 or later (Debian 12 or later, Ubuntu 23.04" \
        "or later); this machine has CMake ${cmake_version:-unknown} and Qt ${qt_version:-unknown}." >&2
    exit 1
fi
