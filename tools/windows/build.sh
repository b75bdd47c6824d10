#!/usr/bin/env bash
# Cross-builds the game for Windows into build-windows/ and makes the zip a
# parent unpacks anywhere, build-windows/sujinoshima-windows.zip: the folder
# sujinoshima\ with sujinoshima.exe, the DLLs it needs, Graphics\, sound\
# and an empty user\. The first run builds the Windows Qt (tools/windows/qt.sh,
# about half an hour); the pictures and sounds come from the asset generator
# built for this computer in build/, as they are the same files.
# Usage: tools/windows/build.sh [--tests]   (--tests: the test programs too)
set -euo pipefail
cd "$(dirname "$0")/../.."
root="$PWD"
tests=OFF
[[ "${1:-}" == --tests ]] && tests=ON

tools/windows/qt.sh
qt="$(tools/windows/qt.sh --print-prefix)"

# The generator, built natively.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target generate_assets >/dev/null

out="$root/build-windows"
cmake -S . -B "$out" -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/tools/windows/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DGAME_APP_DIR="$out/game" \
    -DGAME_ASSETS_GENERATOR="$root/build/assets/generate_assets" \
    -DBUILD_TESTING="$tests" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/tools/windows/wine.sh" >/dev/null
cmake --build "$out" -j"$(nproc)"

# The zip: the program and the DLLs it loads, stripped, beside the pictures,
# the sounds and an empty user folder.
stage="$out/zip/sujinoshima"
rm -rf "$out/zip" "$out/sujinoshima-windows.zip"
mkdir -p "$stage/platforms" "$stage/styles" "$stage/user"
cp "$out/game/sujinoshima.exe" "$stage/"
cp "$qt/bin/Qt6Core.dll" "$qt/bin/Qt6Gui.dll" "$qt/bin/Qt6Widgets.dll" "$qt/bin/Qt6PrintSupport.dll" \
   "$stage/"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
runtime=/usr/lib/gcc/x86_64-w64-mingw32/12-posix
cp "$runtime/libstdc++-6.dll" "$runtime/libgcc_s_seh-1.dll" \
   /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$stage/"
find "$stage" -name '*.exe' -o -name '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded
for folder in Graphics sound; do
    mkdir -p "$stage/$folder"
    find "$out/game/$folder" -maxdepth 1 -type f ! -name .generated -exec cp {} "$stage/$folder/" \;
done
(cd "$out/zip" && zip -qr -X "$out/sujinoshima-windows.zip" sujinoshima)
echo "Windows game: $out/sujinoshima-windows.zip ($(du -k "$out/sujinoshima-windows.zip" | cut -f1) KB)"
