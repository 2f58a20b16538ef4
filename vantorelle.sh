#!/usr/bin/env bash
# Sets the project up on a Debian 12 machine and runs its main jobs.
#   ./vantorelle.sh test [--sanitize]   install, build, run every test (again under ASan and UBSan)
#   ./vantorelle.sh test --tsan         install, build, run the tests of the threaded scan under TSan
#   ./vantorelle.sh demo                install, build, run the scan on the demo base
#   ./vantorelle.sh build               install and build only
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)

packages=(g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
          libfast-float-dev libcpp-httplib-dev libcurl4-openssl-dev)

install_packages() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
}

build() {  # build DIR [cmake options...] [-- targets...]
  local dir=$1; shift
  local options=() targets=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do options+=("$1"); shift; done
  [ $# -gt 0 ] && shift && targets=(--target "$@")
  cmake -S "$root" -B "$dir" -G Ninja "${options[@]}" >/dev/null
  cmake --build "$dir" "${targets[@]}"
}

jobs=$(nproc 2>/dev/null || echo 2)

case "${1:-}" in
  test)
    install_packages
    if [ "${2:-}" = "--tsan" ]; then
      build "$root/build-tsan" -DVANTORELLE_SANITIZE_THREAD=ON -DVANTORELLE_BENCH=OFF -DVANTORELLE_GUI=OFF \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -- tests_main
      TSAN_OPTIONS=halt_on_error=1 "$root/build-tsan/tests/tests_main" --gtest_brief=1 \
        --gtest_filter='ScanParallele*:SuiviDuTableau*'
    elif [ "${2:-}" = "--sanitize" ]; then
      build "$root/build-sanitize" -DVANTORELLE_SANITIZE=ON -DVANTORELLE_BENCH=OFF -DVANTORELLE_GUI=OFF -DCMAKE_BUILD_TYPE=Debug
      export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
      ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs"
    else
      build "$root/build" -DCMAKE_BUILD_TYPE=Release
      ctest --test-dir "$root/build" --output-on-failure -j "$jobs"
    fi
    ;;
  build)
    install_packages
    build "$root/build" -DCMAKE_BUILD_TYPE=Release
    ;;
  demo)
    install_packages
    build "$root/build" -DCMAKE_BUILD_TYPE=Release
    exec "$root/scripts/demo.sh" "$root/build"
    ;;
  *)
    echo "usage: $0 test [--sanitize | --tsan] | demo | build" >&2
    exit 2
    ;;
esac
