#!/bin/sh
# Stands in for a web browser: records how it was started (the count of its arguments, then
# each on a line of its own) in the file named by SCRIVANT_BROWSER_RECORD.
out=${SCRIVANT_BROWSER_RECORD:?}
{
    printf '%s\n' "$#"
    for a in "$@"; do printf '%s\n' "$a"; done
} > "$out.part" && mv "$out.part" "$out"
