# SPDX-License-Identifier: BSD-2-Clause
# The awk one-liner that scripts use in place of a real reader, for
# comparison: the value of KEY in SECTION, nothing validated, no
# continuation lines.  awk -v section=S -v key=K -f bench/select.awk FILE
/^[ \t]*\[/ { s = $0; gsub(/^[ \t]*\[[ \t]*|[ \t]*\][ \t]*$/, "", s); in_s = (s == section); next }
in_s { n = $0; sub(/[ \t]*=.*/, "", n); sub(/^[ \t]*/, "", n); if (n == key) { v = $0; sub(/^[^=]*=[ \t]*/, "", v); sub(/[ \t]+$/, "", v); found = 1 } }
END { if (found) print v; exit !found }
