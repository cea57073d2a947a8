# Summarizes alternated pairs of measurements: one pair "a b" per input row.
# Prints the median of a, the median of b, and the median and the spread
# (lowest and highest) of the per-pair ratios a / b. Rows of a single value
# give that value's median and spread instead.
# Set with -v: label (the row's caption) and unit (printed after the values).

function sort(values, n,    i, j, v) {
  for (i = 2; i <= n; i++) {
    v = values[i]
    for (j = i - 1; j >= 1 && values[j] > v; j--)
      values[j + 1] = values[j]
    values[j + 1] = v
  }
}

# Sorts the values in place and returns their median.
function median(values, n) {
  sort(values, n)
  return n % 2 ? values[(n + 1) / 2] : (values[n / 2] + values[n / 2 + 1]) / 2
}

NF == 1 { n++; a[n] = $1 }
NF >= 2 && $2 > 0 { n++; pairs++; a[n] = $1; b[n] = $2; ratio[n] = $1 / $2 }

END {
  if (n == 0) {
    printf "%-40s no measurements\n", label
    exit 1
  }
  if (!pairs) {
    printf "%-40s %9.2f %-2s  spread %.2f-%.2f  (%d runs)\n", label, median(a, n), unit, a[1], a[n], n
    exit 0
  }
  printf "%-40s %9.1f %-2s %9.1f %-2s  ratio %5.2f  spread %.2f-%.2f  (%d pairs)\n",
         label, median(a, n), unit, median(b, n), unit, median(ratio, n), ratio[1], ratio[n], n
}
