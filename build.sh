#!/usr/bin/env bash
# SPDX-License-Identifier: BSD-2-Clause
# Builds inipick and shows it at work on the shipped example:
#   ./build.sh          build, then run: inipick -f examples/app.ini -s db host port
#   ./build.sh test     build with the tests, then run every test (ctest)
# Installs what is missing through apt-get when run as root; otherwise says
# exactly what to install. Environment: BUILD_DIR (default build),
# CMAKE_ARGS (extra cmake arguments, e.g. -DINIPICK_WERROR=ON), CXX.
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
case "$mode" in
  run | test) ;;
  *) echo "usage: ./build.sh [test]" >&2; exit 2 ;;
esac

need=()
command -v cmake >/dev/null || need+=(cmake)
command -v c++ >/dev/null || need+=(g++)
command -v pkg-config >/dev/null || need+=(pkg-config)
if ! pkg-config --exists libpcre2-8 2>/dev/null; then need+=(libpcre2-dev); fi
if [ "$mode" = test ]; then
  [ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
  [ -f /usr/include/gmock/gmock.h ] || need+=(libgmock-dev)
  # The packaging tests: manual page lint and rendering, the .deb's
  # dependencies (dpkg-shlibdeps), the loader example under dash.
  command -v groff >/dev/null || need+=(groff-base)
  command -v man >/dev/null || need+=(man-db)
  command -v mandoc >/dev/null || need+=(mandoc)
  command -v dpkg-shlibdeps >/dev/null || need+=(dpkg-dev)
  command -v dash >/dev/null || need+=(dash)
fi
if [ ${#need[@]} -gt 0 ]; then
  if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null; then
    echo "Installing ${need[*]} ..." >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq >/dev/null
    apt-get install -y -qq "${need[@]}" >/dev/null
  else
    echo "Missing: ${need[*]}. Install them first, e.g.: sudo apt-get install ${need[*]}" >&2
    exit 1
  fi
fi

build_dir=${BUILD_DIR:-build}
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
tests=OFF
[ "$mode" = test ] && tests=ON
# shellcheck disable=SC2086 # CMAKE_ARGS holds several words on purpose
cmake -S . -B "$build_dir" "${generator[@]}" -DINIPICK_TESTS=$tests ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"

if [ "$mode" = run ]; then
  echo "\$ inipick -f examples/app.ini -s db host port"
  "$build_dir/src/inipick" -f examples/app.ini -s db host port
else
  ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"
fi
