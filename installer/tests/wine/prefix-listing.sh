# Listings of a Wine prefix, to compare before and after an install. Source this file.
# The prefix's server must be stopped first (wineserver -k), so its .reg files are current.

# Files and folders of drive C, one relative path a line.
list_files() {
  (cd "$1/drive_c" && find . | LC_ALL=C sort)
}

# The Software branches of HKEY_CURRENT_USER (user.reg) and HKEY_LOCAL_MACHINE (system.reg),
# one line per key ("K") and per value ("V"), without Wine's timestamps. Key names are compared
# in lower case, as Windows does. Wine's own settings change on every start and are left out.
list_registry() {
  local prefix=$1 hive
  for hive in user system; do
    awk -v hive="$hive" '
      /^\[/ { key = tolower($0); sub(/\] [0-9]+$/, "]", key); keep = key ~ /^\[software\\\\/ && key !~ /^\[software\\\\wine(\\\\|\])/
              if (keep) print hive " K " key; next }
      /^#/ || /^;;/ || /^$/ || /^WINE REGISTRY/ { next }
      { line = $0
        while (line ~ /\\$/ && (getline more) > 0) { sub(/\\$/, "", line); sub(/^ +/, "", more); line = line more }
        if (keep) print hive " V " key " " line }
    ' "$prefix/$hive.reg"
  done | LC_ALL=C sort
}
