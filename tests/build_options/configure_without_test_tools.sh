#!/usr/bin/env bash
# With -DBUILD_TESTING=OFF the program configures where GoogleTest, Google Benchmark and Qt
# Test are missing (hidden from CMake here), and the build then has the program and its tools
# but no test, benchmark or demo that needs them. With the tests on, the same machine is
# turned away when configuring, not halfway through a build.
# Usage: configure_without_test_tools.sh SOURCE_DIR GENERATOR
set -euo pipefail
source=$1
generator=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "build options: $*"; exit 1; }
missing=(-DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON
         -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Test=ON)

# CMake's file API lists the targets a configuration made, whatever the generator.
mkdir -p "$work/off/.cmake/api/v1/query"
touch "$work/off/.cmake/api/v1/query/codemodel-v2"
log=$(cmake -S "$source" -B "$work/off" -G "$generator" -DBUILD_TESTING=OFF "${missing[@]}" 2>&1) ||
  fail "does not configure without the test tools:"$'\n'"$log"
targets=$(cd "$work/off/.cmake/api/v1/reply" && ls target-*.json |
          sed -E 's/^target-(.*)-[^-]+-[0-9a-f]+\.json$/\1/')
for wanted in babyname babyname-suggest lunarcal; do
  grep -qxF "$wanted" <<<"$targets" || fail "no target $wanted among: $targets"
done
unwanted=$(grep -E '(tests?|test_support|bench)$|^calendar_demo$' <<<"$targets" || true)
[ -z "$unwanted" ] || fail "targets that need the test tools: $unwanted"

if log=$(cmake -S "$source" -B "$work/on" -G "$generator" -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON 2>&1)
then
  fail "configured the tests without GoogleTest"
fi
[[ $log == *"need GoogleTest; configure with -DBUILD_TESTING=OFF"* ]] ||
  fail "the refusal does not say what is missing:"$'\n'"$log"
echo "build options: the program configures without the test tools"
