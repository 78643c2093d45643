#!/usr/bin/env bash
# Fails if the code of a PE file reads an import slot whose value in the file is zero.
# The loader fills only the slots listed in the import directory; any other slot the code calls
# through (a delay-load thunk the linker dropped, a stub left unresolved) keeps its file value,
# and a zero there is a call to address 0 the first time that path runs.
# usage: check_import_slots.sh OBJDUMP FILE
set -euo pipefail
objdump=$1 file=$2

# The import section's address and size.
read -r start size < <("$objdump" -h "$file" | awk '$2 == ".idata" { print $4, $3 }')
[[ -n ${start:-} ]] || { echo "$file: no .idata section"; exit 1; }

# Hexadecimal text to a number (POSIX awk has no strtonum); exact below 2^53.
hex='function hex(text,  n, i) { n = 0; for (i = 1; i <= length(text); i++) n = n * 16 + index("0123456789abcdef", substr(text, i, 1)) - 1; return n }'

# Every .idata address the code refers to: absolute operands (i686) and the resolved targets
# of RIP-relative ones, which objdump prints as "# 0x…" (x86_64).
"$objdump" -d --no-show-raw-insn "$file" |
  grep -oE '(\*|, *|[(%a-z]*\()?0x[0-9a-f]+|# 0x[0-9a-f]+' | grep -oE '0x[0-9a-f]+' |
  awk -v start=$((16#$start)) -v size=$((16#$size)) "$hex"'
    { a = hex(substr($0, 3)); if (a >= start && a < start + size) printf "%.0f\n", a }' | sort -un >"${TMPDIR:-/tmp}/slots.$$"
trap 'rm -f "${TMPDIR:-/tmp}/slots.$$"' EXIT

# The section's bytes, as address -> 32-bit little-endian words; a 64-bit slot is two words.
width=4
"$objdump" -f "$file" | grep -q 'x86-64' && width=8
bad=$("$objdump" -s -j .idata "$file" | awk -v width=$width -v slots="${TMPDIR:-/tmp}/slots.$$" "$hex"'
  BEGIN { while ((getline line < slots) > 0) wanted[line] = 1 }
  /^ [0-9a-f]+ / {
    base = hex($1)
    for (i = 2; i <= 5 && i <= NF; i++) {
      if ($i !~ /^[0-9a-f]+$/) break
      for (j = 0; j < length($i) / 2; j++) byte[sprintf("%.0f", base + (i - 2) * 4 + j)] = substr($i, j * 2 + 1, 2)
    }
  }
  END {
    for (a in wanted) {
      zero = 1
      for (j = 0; j < width; j++) { k = sprintf("%.0f", a + j); if (k in byte && byte[k] != "00") zero = 0 }
      if (zero) printf "%.0f ", a
    }
  }')
count=$(wc -l <"${TMPDIR:-/tmp}/slots.$$")
if [[ -n $bad ]]; then
  echo "$file: the code calls through import slots that hold zero (a dropped delay-load thunk or an unresolved stub):$(printf ' 0x%x' $bad)"
  exit 1
fi
[[ $count -gt 0 ]] || { echo "$file: found no import slot referenced by the code; is the disassembly readable?"; exit 1; }
echo "$file: all $count import slots the code uses hold a value"
