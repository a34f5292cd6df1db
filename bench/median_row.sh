# Sourced by the benchmark scripts that time whole runs in microseconds: the median of such
# figures, and the table row that compares two medians against the goal for their ratio.
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'; }
# median_row <what> <our median> <the yardstick's median> <goal>
median_row() {
  printf '| %-56s | %-19s | %-6s | %-7s |\n' "$1" \
    "$(awk -v o="$2" -v b="$3" 'BEGIN {printf "%.0f ms / %.0f ms", o / 1000, b / 1000}')" \
    "$(awk -v o="$2" -v b="$3" 'BEGIN {printf "%.2fx", o / b}')" "$4"
}
