#!/usr/bin/env bash
# Checks the Group Policy templates as an editor would load them: both files well-formed, every
# id unique, every $(string.X), $(presentation.X) and ref resolving, and every policy writing a
# value the add-in acts on: under the policy key, the value name of a setting, and enabled and
# disabled giving different documents (ribbon-xml reads a DWORD's decimal text as the add-in does).
# usage: policy_templates_check.sh path/to/policy-templates path/to/ribbon-xml [ADMX ADML]
#   With ADMX and ADML, checks those files (e.g. a release's) instead of fresh ones.
set -euo pipefail
tool=$1 ribbon_xml=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

admx=${3:-$work/Quillmere.admx} adml=${4:-$work/Quillmere.adml}
if [[ $# -lt 4 ]]; then
  "$tool" --admx > "$admx"
  "$tool" --adml > "$adml"
fi
policy_key=$("$tool" --policy-key)

xmllint --noout "$admx" || fail "$admx is not well-formed"
xmllint --noout "$adml" || fail "$adml is not well-formed"
((failures == 0)) || exit 1

el() { echo "//*[local-name()='$1']"; }
# xpath FILE EXPRESSION: the expression's string value
xpath() { xmllint --xpath "$2" "$1" 2> /dev/null || true; }
# attrs FILE PATH ATTRIBUTE: that attribute of every element PATH selects, one per line, in
# document order (one xmllint for all: the suite's machines are shared)
attrs() {
  { xmllint --xpath "$2/@$3" "$1" 2> /dev/null || true; } | grep -o " $3=\"[^\"]*\"" |
    sed "s/^ $3=\"//; s/\"\$//; s/&quot;/\"/g; s/&lt;/</g; s/&gt;/>/g; s/&apos;/'/g; s/&amp;/\\&/g" || true
}
each() { attrs "$1" "$(el "$2")" "$3"; }
unique() { # unique WHAT IDS
  local twice
  twice=$(sort <<< "$2" | uniq -d)
  [[ -z $twice ]] || fail "$1 defined more than once: $twice"
}

unique "policy" "$(each "$admx" policy name)"
unique "category" "$(each "$admx" category name)"
unique "supportedOn definition" "$(each "$admx" definition name)"
unique "string" "$(each "$adml" string id)"
unique "presentation" "$(each "$adml" presentation id)"

# Every reference resolves.
resolve() { # resolve WHAT DEFINED-IDS REFERENCES
  local ref
  while read -r ref; do
    [[ -z $ref ]] || grep -qxF -- "$ref" <<< "$2" || fail "$1 \"$ref\" is not defined"
  done <<< "$3"
}
# refs KIND: each X of the template's $(KIND.X)
refs() { grep -o "[$]($1\.[^)]*)" "$admx" | sed "s/^[$]($1\.//; s/)\$//" || true; }
resolve "\$(string.X)" "$(each "$adml" string id)" "$(refs string)"
resolve "\$(presentation.X)" "$(each "$adml" presentation id)" "$(refs presentation)"
resolve "parentCategory" "$(each "$admx" category name)" "$(each "$admx" parentCategory ref)"
resolve "supportedOn" "$(each "$admx" definition name)" "$(each "$admx" supportedOn ref)"
[[ $(xpath "$adml" "string(/*/@revision)") == $(xpath "$admx" "string($(el resources)/@minRequiredRevision)") ]] ||
  fail "the language file's revision is not the one the template requires"

# Every translated language file defines exactly the English file's strings, none of them empty.
if [[ $# -lt 4 ]]; then
  english_ids=$(each "$adml" string id)
  for culture in $("$tool" --cultures); do
    translated=$work/$culture.adml
    "$tool" --adml "$culture" > "$translated" || { fail "no language file for $culture"; continue; }
    xmllint --noout "$translated" || { fail "$culture/Quillmere.adml is not well-formed"; continue; }
    [[ $(each "$translated" string id) == "$english_ids" ]] || fail "$culture/Quillmere.adml lacks or adds strings"
    [[ $(xpath "$translated" "count($(el string)[normalize-space()=''])") == 0 ]] ||
      fail "$culture/Quillmere.adml has an empty string"
  done
  [[ $("$tool" --adml de-DE) != $(cat "$adml") ]] || fail "the German language file is the English one"
fi

# Every policy acts on what the add-in reads. The base turns hiding on with one tab hidden, so
# the master switch and each tab setting change the document too; a later KEY=VALUE wins.
value_of() { attrs "$admx" "$(el policy)/*[local-name()='$1']/*[local-name()='decimal']" value; }
mapfile -t names < <(each "$admx" policy name)
mapfile -t keys < <(each "$admx" policy key)
mapfile -t value_names < <(each "$admx" policy valueName)
mapfile -t enabled < <(value_of enabledValue)
mapfile -t disabled < <(value_of disabledValue)
count=${#names[@]}
((count > 0)) || fail "no policies"
for n in ${#keys[@]} ${#value_names[@]} ${#enabled[@]} ${#disabled[@]}; do
  ((n == count)) || { fail "not every policy has a key, a value name, an enabled and a disabled value"; exit 1; }
done
base=("Hide built-in Tabs=1" "Home=1")
for ((i = 0; i < count; i++)); do
  name=${names[i]} on=${enabled[i]} off=${disabled[i]}
  [[ ${keys[i]} == "$policy_key" ]] || fail "policy $name writes below \"${keys[i]}\", not \"$policy_key\""
  [[ $on =~ ^[0-9]+$ && $off =~ ^[0-9]+$ ]] || { fail "policy $name does not write a DWORD"; continue; }
  "$ribbon_xml" "${base[@]}" "${value_names[i]}=$on" > "$work/enabled.xml" || fail "ribbon-xml failed for $name enabled"
  "$ribbon_xml" "${base[@]}" "${value_names[i]}=$off" > "$work/disabled.xml" || fail "ribbon-xml failed for $name disabled"
  ! cmp -s "$work/enabled.xml" "$work/disabled.xml" ||
    fail "policy $name: the add-in makes the same document whether \"${value_names[i]}\" is $on or $off"
done

if ((failures > 0)); then
  echo "policy templates: $failures failure(s)"
  exit 1
fi
echo "policy templates: $count policies checked"
