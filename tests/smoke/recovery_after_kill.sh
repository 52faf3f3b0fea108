#!/usr/bin/env bash
# Types into the real program in a virtual X display, kills it with SIGKILL once the typing
# has been kept, starts it again, accepts the recovered document and saves it: the file must
# then hold exactly what was typed, and no recovery file may be left.
set -euo pipefail
program=$1
if [ -z "${RECOVERY_SMOKE_DISPLAY:-}" ]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  export RECOVERY_SMOKE_DISPLAY=1 QT_QPA_PLATFORM=xcb SCRIVANT_CONFIG_DIR=$work/config WORK=$work
  mkdir -p "$SCRIVANT_CONFIG_DIR"
  # A display number of its own, away from the one other runs on this machine try first.
  # No reset when the killed program's connection drops: the server would be briefly gone
  # just as the program starts again.
  xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1280x1024x24 -noreset" "$0" "$program"
  exit
fi

page=$WORK/page.html recovery=$SCRIVANT_CONFIG_DIR/recovery pid=
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; true' EXIT
fail() { echo "$*"; exit 1; }
# Waits up to 15 s for the command to succeed.
until_ok() { for _ in $(seq 1 150); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done; return 1; }
found() { xdotool search --onlyvisible --name "$1"; }
focus() { xdotool windowfocus --sync "$(xdotool search --onlyvisible --name "$1" | head -1)"; }
gone() { ! xdotool search --onlyvisible --name "$1"; }
kept() { compgen -G "$recovery/*.recovery"; }
holds() { printf '%s\n' "$1" | cmp -s - "$page"; } # byte for byte, final line break included

printf '<p>old</p>\n' >"$page"
"$program" "$page" & pid=$!
until_ok found '^The Corvane Scrivant Pro$' || fail "main window did not appear"
focus '^The Corvane Scrivant Pro$'
sleep 0.5
xdotool type --delay 20 'Hi <b>there</b> & more'
until_ok kept || fail "no recovery file after typing paused"
kill -KILL $pid; wait $pid 2>/dev/null || true
holds '<p>old</p>' || fail "the file changed before it was saved"

"$program" & pid=$!
until_ok found '^The Corvane Scrivant$' || fail "no offer to recover"
focus '^The Corvane Scrivant$'
xdotool key Return # Yes
until_ok gone '^The Corvane Scrivant$' || fail "the offer did not close"
focus '^The Corvane Scrivant Pro'
xdotool key ctrl+s
until_ok holds 'Hi <b>there</b> & more<p>old</p>' || fail "saved: $(cat "$page")"
until_ok sh -c "! ls '$recovery'/*.recovery" || fail "a recovery file is left after saving"
