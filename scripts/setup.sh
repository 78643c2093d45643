#!/usr/bin/env bash
# Installs the Debian packages a job needs, only those not yet installed.
# usage: scripts/setup.sh GROUP...   (groups: native windows gates signing)
set -euo pipefail

declare -A groups=(
  [native]="cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev libxml2-dev libxml2-utils locales"
  [windows]="g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools binutils-mingw-w64-x86-64 wine64 libwine-dev xvfb xauth xdotool imagemagick msitools wixl faketime zip fonts-wqy-microhei"
  [signing]="osslsigncode openssl"
  [gates]="clang clang-tidy clang-format cppcheck gcovr libclang-rt-14-dev"
)

wanted=()
for group in "$@"; do
  [[ -n "${groups[$group]:-}" ]] || { echo "setup.sh: unknown group '$group'" >&2; exit 2; }
  for package in ${groups[$group]}; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || wanted+=("$package")
  done
done
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
if [[ ${#wanted[@]} -gt 0 ]]; then
  echo "Installing: ${wanted[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${wanted[@]}" >/dev/null
fi

# The native tests run key comparisons under a Turkish locale, whose "I" folds to a dotless "ı".
if [[ " $* " == *" native "* ]] && ! locale -a 2>/dev/null | grep -qx 'tr_TR.utf8'; then
  $sudo localedef -i tr_TR -f UTF-8 tr_TR.UTF-8
fi
