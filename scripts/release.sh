#!/usr/bin/env bash
# Builds the release: the two installers, a zip of the two binaries per architecture, the Group
# Policy templates (Quillmere.admx, en-US/Quillmere.adml and one language file per translated
# culture, de-DE/Quillmere.adml...) and SHA256SUMS over all of them. The
# same commit gives the same bytes in any folder at any time.
# usage: scripts/release.sh [OUTPUT]   (default dist/ in the repository; replaced only when
#   everything succeeded). A relative OUTPUT is taken from the caller's folder. OUTPUT may not be
#   /, the repository, a folder holding it, anything the repository tracks, the git directory
#   (a worktree's own and the one it shares), anything in it or holding it, an existing file, or
#   an existing folder that is neither empty nor an earlier release (one with SHA256SUMS).
# Signing (Authenticode, SHA-256) when both are set:
#   QUILLMERE_SIGN_PKCS12         the code-signing key with its certificate chain (PKCS#12)
#   QUILLMERE_SIGN_PASSWORD_FILE  a file holding that file's password
#   QUILLMERE_SIGN_TIMESTAMP_URL  optional: an RFC 3161 time-stamp server
# The DLLs and EXEs are signed before they go into the packages, then the packages.
set -euo pipefail
fail() { echo "release.sh: $*" >&2; exit 1; }
# OUTPUT is replaced whole at the end: resolve it where the caller stands, then refuse what must
# never be replaced.
output=$(realpath -m -- "${1:-$(dirname "$0")/../dist}")
cd "$(dirname "$0")/.."
repository=$(pwd -P)
[[ $output != / ]] || fail "OUTPUT may not be /"
[[ $repository != "$output" && $repository != "$output"/* ]] || fail "OUTPUT $output is or holds the repository"
if [[ $output == "$repository"/* ]]; then
  inside=${output#"$repository"/}
  if git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
    [[ -z $(git ls-files -- "$inside" | head -1) ]] || fail "OUTPUT $output holds files of the repository"
  elif [[ -e $output && $inside != dist ]]; then
    fail "not a git checkout: cannot tell whether OUTPUT $output belongs to the sources"
  fi
fi
# The history: git ls-files lists nothing of the git directory, wherever it lies.
if git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
  for git_dir in "$(git rev-parse --absolute-git-dir)" "$(git rev-parse --git-common-dir)"; do
    git_dir=$(realpath -m -- "$git_dir")
    [[ $output != "$git_dir" && $output != "$git_dir"/* && $git_dir != "$output"/* ]] ||
      fail "OUTPUT $output is, lies in or holds the git directory $git_dir"
  done
fi
# Whatever else is there is deleted whole: only an empty folder or an earlier release may be.
if [[ -e $output ]]; then
  [[ -d $output ]] || fail "OUTPUT $output exists and is not a folder"
  [[ -f $output/SHA256SUMS || -z $(find "$output" -mindepth 1 -maxdepth 1 -print -quit 2> /dev/null || echo unreadable) ]] ||
    fail "OUTPUT $output is neither empty nor an earlier release (no SHA256SUMS in it)"
fi

check_signing_key() { # before building: the key opens and its certificate may sign code
  local key=${QUILLMERE_SIGN_PKCS12:-} password=${QUILLMERE_SIGN_PASSWORD_FILE:-} certificate
  [[ -n $key && -n $password ]] || fail "signing needs both QUILLMERE_SIGN_PKCS12 and QUILLMERE_SIGN_PASSWORD_FILE"
  [[ -f $key ]] || fail "QUILLMERE_SIGN_PKCS12: no such file: $key"
  [[ -f $password ]] || fail "QUILLMERE_SIGN_PASSWORD_FILE: no such file: $password"
  certificate=$(openssl pkcs12 -in "$key" -passin "file:$password" -nokeys -clcerts 2> /dev/null) ||
    certificate=$(openssl pkcs12 -legacy -in "$key" -passin "file:$password" -nokeys -clcerts 2> /dev/null) ||
    fail "cannot open $key with the password in $password (wrong password?)"
  openssl pkcs12 -in "$key" -passin "file:$password" -nocerts -nodes 2> /dev/null | grep -q 'PRIVATE KEY' ||
    openssl pkcs12 -legacy -in "$key" -passin "file:$password" -nocerts -nodes 2> /dev/null | grep -q 'PRIVATE KEY' ||
    fail "$key holds no private key"
  openssl x509 -noout -ext extendedKeyUsage <<< "$certificate" 2> /dev/null | grep -q 'Code Signing' ||
    fail "the certificate in $key is not for code signing (no Code Signing extended key usage)"
}

signing=no
if [[ -n "${QUILLMERE_SIGN_PKCS12:-}${QUILLMERE_SIGN_PASSWORD_FILE:-}" ]]; then
  scripts/setup.sh native windows signing
  check_signing_key
  signing=yes
else
  scripts/setup.sh native windows
fi

# Everything dated is dated at the commit, so a rebuild does not differ by when it ran.
if [[ -z "${SOURCE_DATE_EPOCH:-}" ]]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2> /dev/null) || fail "not a git checkout: set SOURCE_DATE_EPOCH"
fi
export SOURCE_DATE_EPOCH TZ=UTC

# native first: the packages take wix-registry from it, the templates policy-templates.
cmake --preset native > /dev/null
cmake --build --preset native -j 2 --target wix-registry policy-templates
for preset in mingw-i686 mingw-x64; do
  cmake --preset "$preset" > /dev/null
  cmake --build --preset "$preset" --target Tessivar Quillmere
done
version=$(build/native/bin/wix-registry --version)

sign() { # sign FILE: replaces FILE by its signed copy
  local args=(-pkcs12 "$QUILLMERE_SIGN_PKCS12" -readpass "$QUILLMERE_SIGN_PASSWORD_FILE" -h sha256)
  if [[ -n "${QUILLMERE_SIGN_TIMESTAMP_URL:-}" ]]; then args+=(-ts "$QUILLMERE_SIGN_TIMESTAMP_URL"); fi
  osslsigncode sign "${args[@]}" -in "$1" -out "$1.signed" > "$1.log" 2>&1 ||
    fail "signing $(basename "$1") failed: $(grep -v -e '^Succeeded' -e '^[[:space:]]*$' "$1.log" | head -1)"
  mv "$1.signed" "$1"
  rm "$1.log"
}

# Built beside the output and moved into place at the end: a failure leaves the old one as it was.
stage=$(mktemp -d "${output%/}.partial.XXXXXX")
trap 'rm -rf "$stage"' EXIT
for build in x86:mingw-i686 x64:mingw-x64; do
  arch=${build%%:*} preset=${build#*:}
  bin="$stage/$arch"
  mkdir "$bin"
  for file in Quillmere.exe Tessivar.dll; do
    install -m 644 "build/$preset/bin/$file" "$bin/$file"
    if [[ $signing == yes ]]; then sign "$bin/$file"; fi
  done
  installer/build-msi.sh "$arch" "$bin" build/native/bin/wix-registry "$stage/Quillmere-$version-$arch.msi"
  if [[ $signing == yes ]]; then sign "$stage/Quillmere-$version-$arch.msi"; fi
  # Fixed entry order, times and modes; -X: no owner ids or extra time fields.
  touch -d "@$SOURCE_DATE_EPOCH" "$bin/Quillmere.exe" "$bin/Tessivar.dll"
  (cd "$bin" && zip -q -X "../Quillmere-$version-$arch.zip" Quillmere.exe Tessivar.dll)
  rm -r "$bin"
done
build/native/bin/policy-templates --admx > "$stage/Quillmere.admx"
adml=()
for culture in $(build/native/bin/policy-templates --cultures); do
  mkdir "$stage/$culture"
  build/native/bin/policy-templates --adml "$culture" > "$stage/$culture/Quillmere.adml"
  adml+=("$culture/Quillmere.adml")
done
(cd "$stage" && sha256sum Quillmere-* Quillmere.admx "${adml[@]}" > SHA256SUMS && sha256sum --quiet -c SHA256SUMS)
chmod 755 "$stage"
rm -rf "$output"
mv "$stage" "$output"
trap - EXIT
ls -l "$output"
