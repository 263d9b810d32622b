#!/usr/bin/env bash
# The include check must fail on a tree with includes across the layering and name each one,
# and pass the same tree once they are gone.
set -euo pipefail
check=$(dirname "$0")/check_includes.sh
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/src/calendar" "$tree/src/naming" "$tree/src/flat" "$tree/tools/lunarcal"
printf '#include "calendar/cycles.h"\n#include <cmath>\n#include <sys/stat.h>\n' >"$tree/src/calendar/fine.cpp"
printf '#ifdef _WIN32\n#include <windows.h>\n#else\n#include <unistd.h>\n#endif\n' >"$tree/src/naming/fine.cpp"
printf '#include "gdi/color.h"\n' >"$tree/src/calendar/bad_gdi.cpp"
printf '#pragma once\n#  include <QString>\n' >"$tree/src/calendar/bad_qt.h"
printf '#include <unistd.h>\n' >"$tree/src/calendar/bad_posix.cpp"
printf '#include "flat/flat_button.h"\n#include <QtWidgets/QWidget>\n' >"$tree/src/naming/bad.cpp"
printf '#include "calendar_ui/day_grid.h"\n' >"$tree/src/flat/bad.cpp"
printf '#include <qstring.h>\n' >"$tree/tools/lunarcal/bad.cpp"

fail() { echo "catches_crossings: $*"; exit 1; }
if output=$(bash "$check" "$tree"); then fail "a tree with crossings passed"; fi
for expected in "src/calendar/bad_gdi.cpp:1: src/calendar may not include gdi/" \
                "src/calendar/bad_qt.h:2: src/calendar must stay free of Qt" \
                "src/calendar/bad_posix.cpp:1: src/calendar includes a platform header outside an #if" \
                "src/naming/bad.cpp:1: src/naming may not include flat/" \
                "src/naming/bad.cpp:2: src/naming must stay free of Qt" \
                "src/flat/bad.cpp:1: src/flat may not include calendar_ui/" \
                "tools/lunarcal/bad.cpp:1: tools/lunarcal must stay free of Qt" \
                "7 include(s) across the layering"; do
  [[ $output == *"$expected"* ]] || fail "not reported: $expected"$'\n'"$output"
done
[[ $output != *fine.cpp* ]] || fail "an allowed include was reported"

find "$tree" -name 'bad*' -delete
bash "$check" "$tree" >/dev/null || fail "the clean tree failed"
echo "catches_crossings: passed"
