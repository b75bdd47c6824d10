#!/usr/bin/env bash
# Builds the Windows Qt the game links against, once: Qt's own base source
# from Debian's archive, cross-compiled with MinGW-w64 (posix threads) into
# the smallest QtCore, QtGui, QtWidgets and QtPrintSupport with the Windows
# platform plugin, installed into ~/.cache/sujinoshima/qt6-mingw
# (SUJINOSHIMA_QT_MINGW to put it elsewhere). When that folder already holds
# a finished build it is reused and nothing is fetched. The first run takes
# about half an hour on two cores; later runs return at once.
# Usage: tools/windows/qt.sh [--print-prefix]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
prefix="${SUJINOSHIMA_QT_MINGW:-$HOME/.cache/sujinoshima/qt6-mingw}"
if [[ "${1:-}" == --print-prefix ]]; then
    echo "$prefix"
    exit 0
fi
stamp="$prefix/.sujinoshima-qt-complete"
# A build made before the records could be printed lacks Print Support.
[[ -f "$stamp" && ! -f "$prefix/bin/Qt6PrintSupport.dll" ]] && rm -f "$stamp"
if [[ -f "$stamp" ]]; then
    echo "Windows Qt: reusing $prefix"
    exit 0
fi

"$here/../install-deps.sh" --windows

version=6.4.2
work="${SUJINOSHIMA_QT_MINGW_WORK:-$HOME/.cache/sujinoshima/qt6-mingw-work}"
mkdir -p "$work"
cd "$work"

# The source comes from the same suite as the rest of the system.
src_dir=$(find . -maxdepth 1 -type d -name "qt6-base-$version*" | head -n1)
if [[ -z "$src_dir" ]]; then
    sudo_cmd=()
    [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
    suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
    list=/etc/apt/sources.list.d/sujinoshima-src.sources
    if ! grep -rqsE "^(deb-src|Types:.*deb-src)" /etc/apt/sources.list /etc/apt/sources.list.d/; then
        # Signed by the same key as the system's own entry for the suite.
        printf '%s\n' "Types: deb-src" "URIs: http://deb.debian.org/debian" "Suites: $suite" \
            "Components: main" "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" |
            "${sudo_cmd[@]}" tee "$list" >/dev/null
        "${sudo_cmd[@]}" apt-get update -qq
    fi
    # The same Debian revision as the host's Qt tools (moc, rcc, uic).
    revision=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    [[ "$revision" == "$version"* ]] || { echo "The host Qt is $revision, not $version" >&2; exit 1; }
    apt-get source --download-only "qt6-base=$revision" >/dev/null
    dpkg-source -x --no-check "qt6-base_${revision#*:}.dsc" >/dev/null
    src_dir=$(find . -maxdepth 1 -type d -name "qt6-base-$version*" | head -n1)
fi
src_dir="$work/${src_dir#./}"

# Debian's source leaves out the Wintab header, so tablet events are off and
# Direct2D with them; the DirectWrite 3 font database is then only part of
# the plugin together with Direct2D.
plugin="$src_dir/src/plugins/platforms/windows/qwindowsintegration.cpp"
if grep -q '^#if QT_CONFIG(directwrite3)$' "$plugin"; then
    sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' "$plugin"
fi
# The DirectWrite font engine is built only with Direct2D too, so the print
# engine may use it only then.
printing="$src_dir/src/printsupport/platform/windows/qprintengine_win.cpp"
if grep -q '^#if QT_CONFIG(directwrite)$' "$printing"; then
    sed -i 's/^#if QT_CONFIG(directwrite)$/#if QT_CONFIG(directwrite) \&\& QT_CONFIG(direct2d)/' "$printing"
fi

build="$work/build"
rm -rf "$build" "$prefix"
mkdir -p "$build"
start=$SECONDS
cmake -S "$src_dir" -B "$build" -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF \
    -DFEATURE_androiddeployqt=OFF \
    -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF \
    -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
    -DFEATURE_qmake=OFF \
    -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_pcre2=OFF -DFEATURE_icu=OFF \
    -DFEATURE_sql=OFF
cmake --build "$build" -j"$(nproc)"
cmake --install "$build" >/dev/null
touch "$stamp"
echo "Windows Qt built in $(( (SECONDS - start) / 60 )) minutes into $prefix"
