#!/usr/bin/env bash
# SPDX-License-Identifier: BSD-2-Clause
# CI portability stage, on a fresh Debian 12 machine as root:
#   - cross-builds with Debian's GCC for aarch64, armhf (32-bit) and s390x
#     (big-endian) and runs the whole ctest suite under qemu-user;
#   - builds with Clang and libc++ and runs the whole suite;
#   - runs the whole suite again with a BSD-semantics getopt linked in.
# Installs what it needs with apt-get. A test that cannot work under
# emulation is skipped there only, and the reason is printed.
# Environment: PORT_TARGETS (default "arm64 armhf s390x"), PORT_JOBS.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
work=$root/build-port
jobs=${PORT_JOBS:-$(nproc)}
targets=${PORT_TARGETS:-arm64 armhf s390x}
export DEBIAN_FRONTEND=noninteractive

# Debian architecture -> GNU triple, qemu name, loader.
declare -A triple=([arm64]=aarch64-linux-gnu [armhf]=arm-linux-gnueabihf [s390x]=s390x-linux-gnu)
declare -A qemu=([arm64]=aarch64 [armhf]=arm [s390x]=s390x)
declare -A loader=([arm64]=ld-linux-aarch64.so.1 [armhf]=ld-linux-armhf.so.3 [s390x]=ld64.so.1)

step() { echo "== $*"; }

# Runs a command with its output in a log, shown only when it fails.
quiet() {
  local log=$work/last-step.log
  "$@" >"$log" 2>&1 || { tail -n 60 "$log"; echo "failed: $*" >&2; return 1; }
}

install_packages() {
  local packages=(cmake pkg-config libpcre2-dev g++ clang googletest libgtest-dev libgmock-dev
    libc++-14-dev libc++abi-14-dev qemu-user-static locales file groff-base man-db mandoc dpkg-dev dash)
  for arch in $targets; do packages+=("g++-${triple[$arch]}"); done
  # Only for apt-get download: taken away again at exit, so that a later
  # apt-get update on this machine does not depend on their indexes.
  local foreign
  foreign=$(dpkg --print-foreign-architectures)
  for arch in $targets; do
    grep -qx "$arch" <<<"$foreign" && continue
    dpkg --add-architecture "$arch"
    added_architectures+=("$arch")
  done
  # An index that is mid-sync on the mirror is not fatal: the packages below
  # are what must arrive.
  mkdir -p "$work"
  local log=$work/apt.log
  apt-get update -qq >"$log" 2>&1 || apt-get update -qq >"$log" 2>&1 ||
    echo "apt-get update: some indexes failed ($(grep -c '^E:' "$log") errors), going on" >&2
  apt-get install -y -qq -o DPkg::Lock::Timeout=900 --no-install-recommends "${packages[@]}" >"$log" 2>&1 ||
    { cat "$log" >&2; exit 1; }
}

# PCRE2 for the target, unpacked beside the build: a foreign -dev package
# installed through multiarch may refuse to install when its version lags
# the native one.
unpack_pcre2() {
  local arch=$1 dest=$2
  rm -rf "$dest" && mkdir -p "$dest/debs"
  (cd "$dest/debs" && apt-get download -qq "libpcre2-8-0:$arch" "libpcre2-dev:$arch" \
    "libpcre2-16-0:$arch" "libpcre2-32-0:$arch" "libpcre2-posix3:$arch" 2>/dev/null) || return 1
  for deb in "$dest"/debs/*.deb; do dpkg -x "$deb" "$dest/root"; done
}

# binfmt_misc lets the tests run target binaries as they run native ones:
# the end-to-end runner and the packaging scripts exec them directly.
register_binfmt() {
  local dir=/proc/sys/fs/binfmt_misc
  [ -e "$dir/register" ] || mount -t binfmt_misc binfmt_misc "$dir"
  for arch in $targets; do
    local name=qemu-${qemu[$arch]}
    [ -e "$dir/$name" ] || cat "/usr/lib/binfmt.d/$name.conf" >"$dir/register"
  done
}

# Locale files are in the byte order of the machine that made them: a
# big-endian program needs its own C.UTF-8 (glibc also looks for C.utf8).
big_endian_locales() {
  local dir=$1
  mkdir -p "$dir"
  localedef --big-endian -i C -f UTF-8 "$dir/C.UTF-8" 2>/dev/null || [ -e "$dir/C.UTF-8/LC_CTYPE" ]
  ln -sfn C.UTF-8 "$dir/C.utf8"
}

# Runs the whole suite in build dir $2 and prints "$1: N passed, N failed,
# N skipped" with the reason for each skip. $3, if given, is a ctest -E
# regex of tests left out here, and $4 says why.
run_suite() {
  local label=$1 dir=$2 exclude=${3:-} why=${4:-}
  local args=(--test-dir "$dir" --output-on-failure --parallel "$jobs" --no-tests=error)
  local excluded=0 status=0
  if [ -n "$exclude" ]; then
    args+=(-E "$exclude")
    excluded=$(ctest --test-dir "$dir" -N -R "$exclude" | grep -c 'Test *#' || true)
  fi
  ctest "${args[@]}" >"$dir/ctest.out" 2>&1 || status=$?
  # Everything but the line of each test that passed.
  grep -Ev '^ *Start +[0-9]+:|^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed +[0-9.]+ sec$' "$dir/ctest.out" || true
  local total failed skipped
  total=$(sed -n 's/.* tests failed out of \([0-9]*\)$/\1/p' "$dir/ctest.out")
  failed=$(sed -n 's/.*, \([0-9]*\) tests failed out of .*/\1/p' "$dir/ctest.out")
  skipped=$(grep -c '(Skipped)$' "$dir/ctest.out" || true)
  [ "$excluded" = 0 ] || echo "$label: $excluded skipped: $why"
  # A case that skips itself says why on the line after "Skipped".
  grep -h -A1 ': Skipped$' "$dir/Testing/Temporary/LastTest.log" 2>/dev/null |
    grep -v -e ': Skipped$' -e '^--$' | sort | uniq -c |
    while read -r count reason; do echo "$label: $count skipped: $reason"; done
  echo "$label: $((${total:-0} - ${failed:-0} - skipped)) passed, ${failed:-0} failed, $((skipped + excluded)) skipped"
  return "$status"
}

cross_build() {
  local arch=$1
  local t=${triple[$arch]} dir=$work/$arch
  local deps=$dir/deps/root sysroot=/usr/${triple[$arch]}
  step "cross build for $arch ($t), tests under qemu-${qemu[$arch]}"
  mkdir -p "$dir"
  unpack_pcre2 "$arch" "$dir/deps" || return 1
  cat >"$dir/toolchain.cmake" <<EOF
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${qemu[$arch]})
set(CMAKE_C_COMPILER $t-gcc)
set(CMAKE_CXX_COMPILER $t-g++)
set(CMAKE_FIND_ROOT_PATH $sysroot $deps)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/qemu-${qemu[$arch]}-static)
EOF
  # The target's loader and libraries come from one sysroot: a loader of
  # another version crashes at start.
  # An RPATH, not a RUNPATH, so that libstdc++ finds the target's libm too.
  local link="-Wl,--dynamic-linker=$sysroot/lib/${loader[$arch]}"
  link+=" -Wl,--disable-new-dtags -Wl,-rpath,$sysroot/lib:$deps/usr/lib/$t"
  PKG_CONFIG_LIBDIR=$deps/usr/lib/$t/pkgconfig PKG_CONFIG_SYSROOT_DIR=$deps \
    quiet cmake -S "$root" -B "$dir/build" -DCMAKE_TOOLCHAIN_FILE="$dir/toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DINIPICK_WERROR=ON \
    -DINIPICK_GTEST_SOURCE_DIR=/usr/src/googletest "-DCMAKE_EXE_LINKER_FLAGS=$link" || return 1
  quiet cmake --build "$dir/build" --parallel "$jobs" || return 1
  file -b "$dir/build/src/inipick" | cut -d, -f1-2

  local env=(INIPICK_TEST_EMULATED=qemu-user)
  if [ "$arch" = s390x ]; then
    big_endian_locales "$dir/locales"
    env+=(LOCPATH="$dir/locales")
  fi
  (
    export "${env[@]}"
    run_suite "$arch" "$dir/build"
  )
}

libcxx_build() {
  local dir=$work/libcxx
  step "Clang with libc++"
  CC=clang CXX=clang++ quiet cmake -S "$root" -B "$dir" -DINIPICK_WERROR=ON \
    -DCMAKE_CXX_FLAGS=-stdlib=libc++ -DCMAKE_EXE_LINKER_FLAGS=-stdlib=libc++ \
    -DINIPICK_GTEST_SOURCE_DIR=/usr/src/googletest || return 1
  quiet cmake --build "$dir" --parallel "$jobs" || return 1
  run_suite libc++ "$dir"
}

bsd_getopt_build() {
  local dir=$work/bsd-getopt
  step "BSD-semantics getopt linked in place of the C library's"
  quiet cmake -S "$root" -B "$dir" -DINIPICK_WERROR=ON -DINIPICK_TEST_BSD_GETOPT=ON || return 1
  quiet cmake --build "$dir" --parallel "$jobs" || return 1
  run_suite bsd-getopt "$dir"
}

added_architectures=()
remove_added_architectures() {
  for arch in "${added_architectures[@]}"; do dpkg --remove-architecture "$arch" || true; done
}
trap remove_added_architectures EXIT

start=$SECONDS
failed=()
step "installing toolchains"
install_packages
register_binfmt
for arch in $targets; do cross_build "$arch" || failed+=("$arch"); done
libcxx_build || failed+=(libc++)
bsd_getopt_build || failed+=(bsd-getopt)
step "portability stage done in $((SECONDS - start)) s"
if [ ${#failed[@]} -gt 0 ]; then
  echo "portability: failed on ${failed[*]}" >&2
  exit 1
fi
