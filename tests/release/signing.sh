#!/usr/bin/env bash
# Signs a release with a throw-away certificate authority and checks that every signed file
# verifies against it and covers exactly the unsigned file of the reproducible build; and that a
# key that cannot sign stops the release with one line, leaving the previous output untouched.
# usage: tests/release/signing.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/setup.sh signing
work=$(mktemp -d /tmp/quillmere-signing.XXXXXX)
trap 'rm -rf "$work"' EXIT
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH

failures=0
pass() { echo "ok   $1"; }
fail() { echo "FAIL $1" >&2; failures=$((failures + 1)); }

# The authority, a code-signing certificate and one for web servers only.
pki="$work/pki"
mkdir "$pki"
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$pki/ca.key" -out "$pki/ca.pem" -days 2 \
  -subj "/CN=Quillmere Test CA" -addext basicConstraints=critical,CA:true \
  -addext keyUsage=critical,keyCertSign,cRLSign 2> /dev/null
echo "correct horse" > "$pki/password"
certificate() { # certificate NAME EXTENDED_KEY_USAGE: NAME.p12 issued by the authority
  openssl req -newkey rsa:2048 -nodes -keyout "$pki/$1.key" -out "$pki/$1.csr" -subj "/CN=Quillmere $1" 2> /dev/null
  printf 'basicConstraints=CA:false\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=%s\n' "$2" > "$pki/$1.ext"
  openssl x509 -req -in "$pki/$1.csr" -CA "$pki/ca.pem" -CAkey "$pki/ca.key" -CAcreateserial -days 2 \
    -extfile "$pki/$1.ext" -out "$pki/$1.pem" 2> /dev/null
  openssl pkcs12 -export -inkey "$pki/$1.key" -in "$pki/$1.pem" -certfile "$pki/ca.pem" \
    -passout "file:$pki/password" -out "$pki/$1.p12"
}
certificate signer codeSigning
certificate webserver serverAuth
openssl pkcs12 -export -nokeys -in "$pki/signer.pem" -passout "file:$pki/password" -out "$pki/keyless.p12"
echo "wrong" > "$pki/wrong-password"

scripts/release.sh "$work/unsigned" > /dev/null
QUILLMERE_SIGN_PKCS12="$pki/signer.p12" QUILLMERE_SIGN_PASSWORD_FILE="$pki/password" \
  scripts/release.sh "$work/signed" > /dev/null

# Every DLL, EXE and MSI verifies against the authority, and the sums are over the signed files.
mkdir "$work/files"
for zip in "$work"/signed/*.zip; do
  arch=$(basename "$zip" .zip)
  unzip -q "$zip" -d "$work/files/signed-$arch"
  unzip -q "$work/unsigned/$(basename "$zip")" -d "$work/files/unsigned-$arch"
done
for file in "$work"/files/signed-*/* "$work"/signed/*.msi; do
  name=${file#"$work/"}
  if osslsigncode verify -CAfile "$pki/ca.pem" -in "$file" > "$work/verify.log" 2>&1 &&
    grep -q '^Signature verification: ok' "$work/verify.log"; then
    pass "$name verifies"
  else
    fail "$name does not verify: $(grep -iE 'fail|error' "$work/verify.log" | head -1)"
  fi
done
(cd "$work/signed" && sha256sum --quiet -c SHA256SUMS) && pass "SHA256SUMS of the signed files" || fail "SHA256SUMS"

# A signed binary without its signature is the unsigned reproducible binary, byte for byte.
for file in "$work"/files/signed-*/*; do
  unsigned=${file/\/signed-/\/unsigned-}
  osslsigncode remove-signature -in "$file" -out "$work/stripped" > /dev/null
  cmp -s "$work/stripped" "$unsigned" && pass "${file#"$work/"} covers the unsigned file" ||
    fail "${file#"$work/"} minus its signature differs from the unsigned build"
  rm "$work/stripped"
done
# A signed package covers the package built from the signed binaries: signing that one here
# must compute the same Authenticode digest. The packages carry the signed binaries.
# A package's Authenticode digest, as osslsigncode computes it from the file's streams.
digest() { { osslsigncode verify -in "$1" 2> /dev/null || true; } | sed -n "s/^Calculated DigitalSignature *: *//p" | tr -d " "; }
for msi in "$work"/signed/*.msi; do
  arch=${msi##*-}
  arch=${arch%.msi}
  zip=$(basename "$msi" .msi)
  installer/build-msi.sh "$arch" "$work/files/signed-$zip" build/native/bin/wix-registry "$work/rebuilt.msi"
  osslsigncode sign -pkcs12 "$pki/signer.p12" -readpass "$pki/password" -h sha256 \
    -in "$work/rebuilt.msi" -out "$work/resigned.msi" > /dev/null
  expected=$(digest "$work/resigned.msi")
  [[ -n $expected && $(digest "$msi") == "$expected" ]] && pass "$(basename "$msi") covers the package of the signed binaries" ||
    fail "$(basename "$msi"): digest $(digest "$msi"), the package of the signed binaries $expected"
  msiextract -C "$work/payload-$arch" "$msi" > /dev/null
  for f in Quillmere.exe Tessivar.dll; do
    cmp -s "$(find "$work/payload-$arch" -name "$f")" "$work/files/signed-$zip/$f" && pass "$(basename "$msi") carries the signed $f" ||
      fail "$(basename "$msi") carries another $f than the zip"
  done
  rm -f "$work/rebuilt.msi" "$work/resigned.msi"
done

# Keys that cannot sign: one line on stderr, a failed release, the previous output as it was.
cp -r "$work/signed" "$work/before"
refused() { # refused CASE PKCS12 PASSWORD_FILE EXPECTED_TEXT [TIMESTAMP_URL]
  local status=0
  QUILLMERE_SIGN_PKCS12=$2 QUILLMERE_SIGN_PASSWORD_FILE=$3 QUILLMERE_SIGN_TIMESTAMP_URL=${5:-} scripts/release.sh "$work/signed" \
    > /dev/null 2> "$work/refused.log" || status=$?
  if [[ $status -ne 0 && $(wc -l < "$work/refused.log") -eq 1 ]] && grep -q "$4" "$work/refused.log" &&
    diff -r "$work/before" "$work/signed" > /dev/null && ! compgen -G "$work/signed.partial.*" > /dev/null; then
    pass "$1: $(cat "$work/refused.log")"
  else
    fail "$1: exit $status, output kept: $(diff -rq "$work/before" "$work/signed" > /dev/null && echo yes || echo no), stderr:"
    sed 's/^/  /' "$work/refused.log" >&2
  fi
}
refused "wrong password" "$pki/signer.p12" "$pki/wrong-password" "wrong password"
refused "missing key file" "$pki/absent.p12" "$pki/password" "no such file"
refused "missing password file" "$pki/signer.p12" "$pki/absent" "no such file"
refused "certificate not for code signing" "$pki/webserver.p12" "$pki/password" "not for code signing"
refused "no private key" "$pki/keyless.p12" "$pki/password" "no private key"
# Fails at the first signature, after the build: nothing half-signed may be left.
refused "time-stamp server unreachable" "$pki/signer.p12" "$pki/password" "signing Quillmere.exe failed" http://127.0.0.1:9/

[[ $failures -eq 0 ]] || { echo "signing: $failures failed" >&2; exit 1; }
