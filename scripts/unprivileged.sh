#!/bin/sh
# Runs a command without root's power over file permissions, so that tests of unreadable and
# read-only files mean something on machines where the tests run as root. Inside a new user
# namespace uid 0 is not mapped: the permission bits of files apply as to anyone else.
# Where no user namespace can be made, the command runs as it is (and such tests skip).
if [ "$(id -u)" -eq 0 ] && unshare -U true 2>/dev/null; then
    exec unshare -U "$@"
fi
exec "$@"
