#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The build options as a distribution uses them, each configured in a folder of its own
# (nothing is built): the compile lines (compile_commands.json) and tevrimo-cli's link
# line carry the hardening flags only with TEVRIMO_HARDENING, never over the caller's
# _FORTIFY_SOURCE, and fortify only where optimising; the C++ runtime is linked in only
# on request; BUILD_TESTING=OFF (or the former TEVRIMO_TESTS=OFF) makes no test.
#   build_options_check.sh SOURCE_DIR CMAKE
set -u
source_dir=$1
cmake=${2:-cmake}
# What is checked is what our CMake files add: flags a package build exports (CFLAGS,
# CXXFLAGS, LDFLAGS, ...) would be the caller's and are left out, as is its make's
# job server.
unset CFLAGS CXXFLAGS CPPFLAGS LDFLAGS MAKEFLAGS MFLAGS
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pass=0 fail=0

# Name | configure arguments | what the compile lines must hold (+) or not (-) | the same
# for tevrimo-cli's link line | tests configured (yes/no).
cases=(
  "default||+-fstack-protector-strong +-D_FORTIFY_SOURCE=2 +-fPIE|+-z,relro,-z,now +-pie --static-libstdc++|yes"
  "hardening off|-DTEVRIMO_HARDENING=OFF|--fstack-protector -_FORTIFY_SOURCE --fPIE|-relro -z,now --pie|yes"
  "caller's fortify|-DCMAKE_CXX_FLAGS=-D_FORTIFY_SOURCE=3|+-D_FORTIFY_SOURCE=3 --D_FORTIFY_SOURCE=2 +-fstack-protector-strong|+-z,relro,-z,now|yes"
  "caller unsets fortify|-DCMAKE_CXX_FLAGS=-U_FORTIFY_SOURCE|--D_FORTIFY_SOURCE +-U_FORTIFY_SOURCE|+-z,relro,-z,now|yes"
  "debug|-DCMAKE_BUILD_TYPE=Debug|-_FORTIFY_SOURCE +-fstack-protector-strong||yes"
  "none, optimising|-DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS=-O2|+-D_FORTIFY_SOURCE=2||yes"
  "none, not optimising|-DCMAKE_BUILD_TYPE=None|-_FORTIFY_SOURCE||yes"
  "static runtime|-DTEVRIMO_STATIC_CLI_RUNTIME=ON||+-static-libstdc++|yes"
  "no tests|-DBUILD_TESTING=OFF|||no"
  "no tests, former name|-DTEVRIMO_TESTS=OFF|||no"
)

# Whether `text` holds the word `flag` ("-z,now" also inside "-Wl,-z,relro,-z,now").
holds() { grep -q -- "$2" <<<"$1"; }

check() {  # name, text, expectations
  local name=$1 text=$2 want
  for want in $3; do
    local flag=${want:1}
    if [ "${want:0:1}" = + ] && ! holds "$text" "$flag"; then
      echo "FAILED: $name: no $flag"; fail=$((fail + 1))
    elif [ "${want:0:1}" = - ] && holds "$text" "$flag"; then
      echo "FAILED: $name: $flag where it must not be"; fail=$((fail + 1))
    else
      pass=$((pass + 1))
    fi
  done
}

i=0
for c in "${cases[@]}"; do
  IFS='|' read -r name args compile link tests <<<"$c"
  dir="$work/$i"
  i=$((i + 1))
  # shellcheck disable=SC2086
  if ! "$cmake" -S "$source_dir" -B "$dir" -G "Unix Makefiles" -DTEVRIMO_GUI=OFF $args >"$dir.log" 2>&1; then
    echo "FAILED: $name: configure failed"; tail -5 "$dir.log"; fail=$((fail + 1)); continue
  fi
  check "$name, compile lines" "$(cat "$dir/compile_commands.json")" "$compile"
  check "$name, link line" "$(cat "$dir/src/cli/CMakeFiles/tevrimo-cli.dir/link.txt")" "$link"
  listed=$(cd "$dir" && ctest -N 2>/dev/null | grep -c 'Test *#')
  built=$("$cmake" --build "$dir" --target help | grep -cE '(core|cli)_tests$')
  if [ "$tests" = no ] && { [ "$listed" -ne 0 ] || [ "$built" -ne 0 ]; }; then
    echo "FAILED: $name: $listed tests, $built test programs"; fail=$((fail + 1))
  elif [ "$tests" = yes ] && { [ "$listed" -eq 0 ] || [ "$built" -ne 2 ]; }; then
    echo "FAILED: $name: $listed tests, $built test programs"; fail=$((fail + 1))
  else
    pass=$((pass + 1))
  fi
done
echo "build options: $pass passed, $fail failed"
[ $fail -eq 0 ]
