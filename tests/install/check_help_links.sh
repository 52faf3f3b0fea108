#!/usr/bin/env bash
# Every page of the built manual carries the bar of pages, and every link between pages, with
# its #anchor, leads somewhere.
set -euo pipefail
help=$1
status=0
for page in "$help"/*.html; do
  grep -q 'background-color: #E8ECF4' "$page" || { echo "$page: no bar of pages"; status=1; }
  for link in $(grep -o 'href="[a-z-]*\.html[^"]*"' "$page" | sed 's/^href="//; s/"$//'); do
    target=${link%%#*} anchor=${link#*#}
    [ -f "$help/$target" ] || { echo "$page: $link leads to no page"; status=1; continue; }
    if [ "$anchor" != "$link" ] && ! grep -q "name=\"$anchor\"" "$help/$target"; then
      echo "$page: $link leads to no anchor"; status=1
    fi
  done
done
exit $status
