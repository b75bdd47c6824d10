#!/usr/bin/env bash
# Installs the Debian packages the game needs and that are still missing.
# Usage: tools/install-deps.sh [--tests | --package | --windows]
set -euo pipefail

packages=(cmake g++ make ccache qt6-base-dev qt6-multimedia-dev fonts-ipafont-gothic)
case "${1:-}" in
--tests)
    # GoogleTest for the tests; the Windows display code is compile-checked
    # with the cross compiler; the package's desktop entry and metadata are
    # validated, and its dependencies found, with Debian's own tools. clang
    # with its runtimes builds the sanitizer and fuzzing runs; Xvfb, xdotool,
    # libfaketime and ImageMagick play the built game on a real X display;
    # strace shows the order in which a round's writes reach the disk;
    # poppler-utils' pdfinfo, pdffonts and pdftotext open the class report's
    # PDF, see the face embedded in it and read the children's names in it.
    packages+=(libgtest-dev g++-mingw-w64-x86-64 desktop-file-utils appstream dpkg-dev
               clang libclang-rt-14-dev xvfb xdotool x11-utils faketime imagemagick strace
               poppler-utils)
    ;;
--package)
    packages+=(dpkg-dev)
    ;;
--windows)
    # The Windows build (tools/windows): the MinGW-w64 cross compiler with
    # posix threads, Qt's base source unpacked with dpkg-source, GoogleTest's
    # source for the test programs, zip for the parent's download, and Wine
    # on Xvfb to run the tests and the game.
    packages+=(g++-mingw-w64-x86-64-posix dpkg-dev googletest zip wine64 xvfb xdotool
               x11-utils imagemagick)
    ;;
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
    sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
