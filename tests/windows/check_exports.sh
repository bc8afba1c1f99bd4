#!/usr/bin/env bash
# Compares the export table of a PE file with the expected list of names, one a line.
#   check_exports.sh OBJDUMP FILE EXPECTED
set -euo pipefail
objdump=$1 file=$2 expected=$3
actual=$("$objdump" -p "$file" | awk '/\[Ordinal\/Name Pointer\] Table/ {table=1; next} table && /^\t\[/ {print $NF} table && /^$/ {table=0}' | sort)
wanted=$(grep -v '^#' "$expected" | sed '/^$/d' | sort)
if [ "$actual" != "$wanted" ]; then
  echo "export table of $(basename "$file") differs from $(basename "$expected"):"
  diff <(echo "$wanted") <(echo "$actual") || true
  exit 1
fi
echo "$(basename "$file"): $(echo "$actual" | wc -l) exports, as expected"
