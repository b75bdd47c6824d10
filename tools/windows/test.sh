#!/usr/bin/env bash
# Runs the Windows build's test programs under Wine, when the Windows tool
# chain is built (tools/windows/qt.sh); without it, says so in one line and
# passes. The programs run headless (Qt's offscreen platform), and one
# window test again on Windows' own platform on an X display (Xvfb).
# Usage: tools/windows/test.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
prefix="$(tools/windows/qt.sh --print-prefix)"
if [[ ! -f "$prefix/.sujinoshima-qt-complete" || ! -f "$prefix/bin/Qt6PrintSupport.dll" || ! -x /usr/lib/wine/wine64 ]]; then
    echo "== Windows tests skipped: no Windows tool chain (tools/install-deps.sh --windows, then tools/windows/qt.sh builds it once, in about half an hour)"
    exit 0
fi
echo "== The Windows build's tests under Wine, in build-windows"
tools/windows/build.sh --tests >/dev/null
# Left out under Wine, until they are looked into: the programs with checks
# that every text fits its place to the pixel (the records table's columns,
# the balloons, the mental drills' rows, and the division row as it reads),
# which fail there as Wine's font engine lays out the IPA stand-ins wider
# than Linux does; and the teachers' report program, made for the Linux
# package, whose standard error and files Wine hands over in another code
# page.
left_out_under_wine='^(report_test|users_records_test|drills_table_windows_test|drills_mental_times_test|drills_mental_division_test|drills_horizontal_addition_test)$'
# One program at a time: a Wine program started while another's wineserver
# comes up or goes down can end before it runs (seen once, with no output).
ctest --test-dir build-windows --output-on-failure -j1 -E "$left_out_under_wine"
echo "== A window test on Windows' own platform, on Xvfb"
xvfb-run -a -s "-screen 0 640x480x24" env QT_QPA_PLATFORM=windows \
    tools/windows/wine.sh build-windows/app_main_menu_test.exe --gtest_brief=1
