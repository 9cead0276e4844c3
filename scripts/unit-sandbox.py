#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs a command under the kernel side of a unit's sandbox, for a machine
without systemd (scripts/check-packages.sh):

  unit-sandbox.py UNIT COMMAND [ARGUMENT...]

Takes from the unit SystemCallFilter= (an allow list, the groups expanded
by systemd-analyze syscall-filter, a "~" line taking calls away),
SystemCallErrorNumber=, RestrictAddressFamilies= and
MemoryDenyWriteExecute=, puts them in place with seccomp and
prctl(PR_SET_MDWE) and executes COMMAND, which inherits them.  Run it with
no_new_privs set (setpriv --no-new-privs) or as root.  Exits with 3 when this
machine cannot give them (no libseccomp bindings, a kernel without MDWE).
"""
import ctypes
import errno
import os
import socket
import subprocess
import sys

PR_SET_MDWE = 65
PR_MDWE_REFUSE_EXEC_GAIN = 1
# systemd lets these through whatever the filter says.
IMPLICIT = {"execve", "exit", "exit_group", "getrlimit", "rt_sigreturn", "sigreturn",
            "clock_gettime", "gettimeofday", "time", "nanosleep", "clock_nanosleep"}


def unit_settings(path):
    settings = []
    section = None
    with open(path, encoding="utf-8") as unit:
        for line in unit:
            line = line.strip()
            if line.startswith("["):
                section = line
            elif section == "[Service]" and "=" in line and not line.startswith("#"):
                key, value = line.split("=", 1)
                settings.append((key.strip(), value.strip()))
    return settings


def expand(name, seen=None):
    seen = set() if seen is None else seen
    if not name.startswith("@"):
        return {name}
    if name in seen:
        return set()
    seen.add(name)
    listing = subprocess.run(["systemd-analyze", "syscall-filter", name], check=True,
                             capture_output=True, text=True).stdout.splitlines()
    calls = set()
    for line in listing[1:]:
        word = line.strip()
        if word and not word.startswith("#"):
            calls |= expand(word, seen)
    return calls


def main():
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        import seccomp
    except ImportError:
        print("unit-sandbox: no libseccomp bindings (python3-seccomp)", file=sys.stderr)
        return 3
    allowed = None
    error = errno.EPERM
    families = None
    mdwe = False
    for key, value in unit_settings(sys.argv[1]):
        if key == "SystemCallFilter" and value:
            deny = value.startswith("~")
            calls = set()
            for word in value.lstrip("~").split():
                calls |= expand(word)
            # An allow list, as the unit's first line makes it; "~" takes away.
            if deny:
                allowed = (allowed or set()) - calls
            else:
                allowed = (allowed or set()) | calls
        elif key == "SystemCallErrorNumber":
            error = getattr(errno, value)
        elif key == "RestrictAddressFamilies":
            families = [int(getattr(socket, f)) for f in value.split()]
        elif key == "MemoryDenyWriteExecute":
            mdwe = value in ("yes", "true", "on", "1")

    if mdwe:
        libc = ctypes.CDLL(None, use_errno=True)
        if libc.prctl(PR_SET_MDWE, PR_MDWE_REFUSE_EXEC_GAIN, 0, 0, 0) != 0:
            print("unit-sandbox: this kernel has no MDWE: " + os.strerror(ctypes.get_errno()),
                  file=sys.stderr)
            return 3
    if allowed is not None:
        rules = seccomp.SyscallFilter(defaction=seccomp.ERRNO(error))
        for call in sorted(allowed | IMPLICIT):
            if call == "socket" and families is not None:
                continue
            try:
                rules.add_rule(seccomp.ALLOW, call)
            except (RuntimeError, ValueError, OSError):
                pass  # not a call of this architecture
        for family in families or []:
            rules.add_rule(seccomp.ALLOW, "socket", seccomp.Arg(0, seccomp.EQ, family))
        rules.load()
    os.execvp(sys.argv[2], sys.argv[2:])
    return 1


if __name__ == "__main__":
    sys.exit(main())
