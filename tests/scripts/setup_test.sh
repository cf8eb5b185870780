#!/usr/bin/env bash
# The decisions of scripts/setup, without the network: fake apt-get, apt-cache, dpkg, dpkg-query and
# sudo earlier on PATH play a package mirror in the states a fresh machine meets.
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fakes=$work/bin
mkdir -p "$fakes"

# Every fake appends its arguments to $CALLS. The scenario is in the environment:
#   FAKE_MISSING        packages dpkg-query reports as not installed
#   FAKE_UPDATE         ok | index-error
#   FAKE_INSTALL        ok | unmet-first (fails unless the security suite is pinned) | unknown
#   FAKE_UNKNOWN        the package the mirror does not have
cat >"$fakes/dpkg-query" <<'F'
#!/usr/bin/env bash
echo "dpkg-query $*" >>"$CALLS"
for m in $FAKE_MISSING; do [ "$m" = "${!#}" ] && { echo "unknown ok not-installed"; exit 1; }; done
echo "install ok installed"
F
cat >"$fakes/dpkg" <<'F'
#!/usr/bin/env bash
echo "dpkg $*" >>"$CALLS"
[ "$1" = "--print-foreign-architectures" ] && echo i386
exit 0
F
cat >"$fakes/apt-get" <<'F'
#!/usr/bin/env bash
echo "apt-get $*" >>"$CALLS"
case " $* " in
  *" update "*)
    if [ "$FAKE_UPDATE" = index-error ]; then
      echo "E: Failed to fetch .../binary-i386/Packages.xz  File has unexpected size (1 != 2). Mirror sync in progress?"
      echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
      exit 100
    fi
    exit 0 ;;
  *" install "*)
    case "$FAKE_INSTALL" in
      ok) exit 0 ;;
      unmet-first)
        for a in "$@"; do
          case "$a" in
            Dir::Etc::PreferencesParts=*)
              dir=${a#*=}
              cat "$dir"/* >>"$CALLS"
              grep -q 'Pin: release l=Debian-Security' "$dir"/* && exit 0 ;;
          esac
        done
        echo " wine32:i386 : Depends: libssl3:i386 but it is not going to be installed"
        echo "E: Unable to correct problems, you have held broken packages."
        exit 100 ;;
      unknown) echo "E: Unable to locate package $FAKE_UNKNOWN"; exit 100 ;;
    esac ;;
esac
exit 0
F
cat >"$fakes/apt-cache" <<'F'
#!/usr/bin/env bash
echo "apt-cache $*" >>"$CALLS"
if [ "${!#}" = "${FAKE_UNKNOWN:-}" ]; then echo "N: Unable to locate package ${!#}"; exit 0; fi
printf '%s:\n  Installed: (none)\n  Candidate: 1.0\n' "${!#}"
F
cat >"$fakes/sudo" <<'F'
#!/usr/bin/env bash
exec "$@"
F
chmod +x "$fakes"/*

passed=0
failed=0
check() {  # description, then a command that must succeed
  local what=$1; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what"; fi
}

run_setup() {  # scenario variables are set by the caller; leaves $out, $rc and $CALLS
  export CALLS=$work/calls.$RANDOM
  : >"$CALLS"
  out=$(PATH="$fakes:$PATH" TMPDIR=$work/tmp bash "$top/scripts/setup" 2>&1)
  rc=$?
}
mkdir -p "$work/tmp"
installs() { grep -c '^apt-get .*install' "$CALLS"; }
tmp_left() { [ -z "$(ls -A "$work/tmp")" ]; }

# Everything there: nothing is asked of apt.
FAKE_MISSING="" FAKE_UPDATE=ok FAKE_INSTALL=ok run_setup
check "everything installed: exit 0" [ "$rc" -eq 0 ]
check "everything installed: apt-get never runs" [ "$(grep -c '^apt-get' "$CALLS")" -eq 0 ]
check "everything installed: silent" [ -z "$out" ]

# A clean mirror: one update, one install of just the missing packages.
FAKE_MISSING="wine32:i386 fonts-wine" FAKE_UPDATE=ok FAKE_INSTALL=ok run_setup
check "clean mirror: exit 0" [ "$rc" -eq 0 ]
check "clean mirror: one install" [ "$(installs)" -eq 1 ]
check "clean mirror: installs only what is missing" \
  grep -q 'install -y -qq --no-install-recommends wine32:i386 fonts-wine$' "$CALLS"

# The half-synced mirror as met on a fresh machine: one index fails, then the architectures disagree.
FAKE_MISSING="wine wine32:i386" FAKE_UPDATE=index-error FAKE_INSTALL=unmet-first run_setup
check "half-synced mirror: exit 0" [ "$rc" -eq 0 ]
check "half-synced mirror: install retried once" [ "$(installs)" -eq 2 ]
check "half-synced mirror: the retry ranks the security suite below main" \
  grep -q 'Pin-Priority: 100' "$CALLS"
check "half-synced mirror: the first try has no pin" \
  bash -c "grep '^apt-get .*install' '$CALLS' | head -n 1 | grep -vq PreferencesParts"
check "half-synced mirror: says what it did in one line" \
  bash -c "grep -c '^setup: done: it went on after an index .*; retried the install' <<<'$out' | grep -qx 1"
check "half-synced mirror: no pin left behind" tmp_left

# An index fails but the install goes through: no retry.
FAKE_MISSING="xvfb" FAKE_UPDATE=index-error FAKE_INSTALL=ok run_setup
check "failed index only: exit 0" [ "$rc" -eq 0 ]
check "failed index only: one install" [ "$(installs)" -eq 1 ]
check "failed index only: says it went on" grep -q 'went on after an index' <<<"$out"

# A package the mirror does not have ends set-up non-zero, naming it.
FAKE_MISSING="kicad-demos xvfb" FAKE_UPDATE=ok FAKE_INSTALL=unknown FAKE_UNKNOWN=kicad-demos run_setup
check "unknown package: non-zero exit" [ "$rc" -ne 0 ]
check "unknown package: named in the message" \
  grep -q 'cannot be had from the package mirror: kicad-demos$' <<<"$out"
check "unknown package: other packages are not blamed" bash -c "! grep -q 'mirror: .*xvfb' <<<'$out'"
check "unknown package: nothing left behind" tmp_left

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
