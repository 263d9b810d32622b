#!/usr/bin/env bash
# Reads the #include lines of the sources under ROOT (default: this checkout) and fails on any
# that crosses the layering: a folder may include only the folders it depends on, and the
# calendar engine, the naming core and the command-line tools stay free of Qt. The engine and
# the naming core include a platform's own headers only inside #if blocks (one branch per
# platform), so they build everywhere.
# Usage: check_includes.sh [ROOT]
set -euo pipefail
root=${1:-$(dirname "$0")/../..}

# folder: the project folders it may include from, and whether Qt (or platform headers) may
# appear. Folders not named here are not checked. The naming core reads a file beside the
# executable, so it may use the platform's file headers (each behind its platform's #if).
rules=(
  "src/calendar:calendar:engine"
  "src/naming:naming:plain"
  "src/gdi:gdi:qt"
  "src/flat:flat gdi:qt"
  "src/calendar_ui:calendar_ui calendar gdi:qt"
  "src/app:app calendar_ui flat naming gdi calendar:qt"
  "tools/lunarcal:calendar:engine"
  "tools/store_builder:naming:plain"
  "tools/babyname_suggest:naming:plain"
)
ours='calendar|naming|gdi|flat|calendar_ui|app'
qt='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Qt[A-Za-z]*/)?(Q[A-Z][A-Za-z]*|q[a-z]+\.h)[>"]'
# (sys/stat.h and sys/types.h are in every C runtime, Windows' included.)
platform='^[[:space:]]*#[[:space:]]*include[[:space:]]*<(unistd\.h|windows\.h|dlfcn\.h|pthread\.h|mach-o/[^>]*|sys/[^>]*)>'
everywhere='<sys/(stat|types)\.h>'
opens='^[[:space:]]*#[[:space:]]*if'
closes='^[[:space:]]*#[[:space:]]*endif'

faults=0
report() { echo "layering: $1: $2"; faults=$((faults + 1)); }

check_folder() {
  local folder=$1 allowed=$2 kind=$3 file line number text included depth
  [ -d "$root/$folder" ] || return 0
  while IFS= read -r -d '' file; do
    number=0 depth=0
    while IFS= read -r line || [ -n "$line" ]; do
      number=$((number + 1))
      if [[ $line =~ $opens ]]; then depth=$((depth + 1)); fi
      if [[ $line =~ $closes ]]; then depth=$((depth - 1)); fi
      [[ $line == *include* ]] || continue
      text=${file#"$root"/}:$number
      if [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"($ours)/ ]]; then
        included=${BASH_REMATCH[1]}
        [[ " $allowed " == *" $included "* ]] || report "$text" "$folder may not include $included/"
      fi
      if [[ $kind != qt && $line =~ $qt ]]; then report "$text" "$folder must stay free of Qt"; fi
      if [[ $kind == engine && $depth -eq 0 && $line =~ $platform && ! $line =~ $everywhere ]]; then
        report "$text" "$folder includes a platform header outside an #if"
      fi
    done <"$file"
  done < <(find "$root/$folder" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.inc' \) -print0)
}

for rule in "${rules[@]}"; do
  IFS=: read -r folder allowed kind <<<"$rule"
  check_folder "$folder" "$allowed" "$kind"
done
if [ "$faults" -gt 0 ]; then
  echo "layering: $faults include(s) across the layering"
  exit 1
fi
echo "layering: every include keeps to the layering"
