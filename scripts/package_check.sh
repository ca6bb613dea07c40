#!/usr/bin/env bash
# Builds the Debian package (in build/, or the folder given), installs it with apt and
# starts the installed orvalen as an unprivileged user, headless, with a fresh home. Checks
# the desktop entry, the metadata and the icon; that the working copy is made in that
# user's data folder; that no start-up message appears; and that the program runs until it
# is stopped. The package is removed again in any case.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
user="orvalencheck"
id="org.orvalen.Orvalen"

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

fail() {
  echo "package check: $*" >&2
  exit 1
}

scripts/package.sh "$dir"
deb="$(ls -t "$dir"/orvalen_*_"$(dpkg --print-architecture)".deb | head -n 1)"
echo "package check: $deb"
dpkg-deb --field "$deb" Package Version Depends
dpkg-deb --contents "$deb"
dpkg-deb --field "$deb" Depends | grep -q 'fonts-liberation' || fail "no dependency on fonts-liberation"
dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6' || fail "no dependencies from shlibdeps"

pid=""
home=""
logs="$(mktemp -d)"
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq orvalen >/dev/null || true
  if [ -n "$home" ]; then $SUDO rm -rf "$home"; fi
  rm -rf "$logs"
}
trap cleanup EXIT

$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$(realpath "$deb")"

[ "$(command -v orvalen)" = /usr/bin/orvalen ] || fail "orvalen is not /usr/bin/orvalen"
[ -f /usr/lib/orvalen/VORN.mdb ] || fail "the template is not installed beside the executable"
[ -f /usr/share/icons/hicolor/scalable/apps/$id.svg ] || fail "the icon is not installed"
desktop-file-validate /usr/share/applications/$id.desktop
appstreamcli validate --no-net /usr/share/metainfo/$id.metainfo.xml

# The user who starts it: as root a user of its own, otherwise the caller.
run=()
if [ "$(id -u)" -eq 0 ]; then
  id -u "$user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user"
  run=(setpriv --reuid="$(id -u "$user")" --regid="$(id -g "$user")" --init-groups)
else
  user="$(id -un)"
fi
home="$(mktemp -d)"
$SUDO chown "$user": "$home"
data="$home/.local/share/Orvalen"

# A start-up that cannot go on writes "Orvalen cannot start: ..." to the standard error
# stream before it shows its message box.
"${run[@]}" env -i HOME="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen \
  XDG_RUNTIME_DIR="$home" orvalen >"$logs/out" 2>"$logs/err" &
pid=$!

for _ in $(seq 1 100); do
  [ -f "$data/VORNTMP.mdb" ] && [ -f "$data/VORNTMP.mdb.lock" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
sleep 2
cat "$logs/err" >&2
kill -0 "$pid" 2>/dev/null || fail "orvalen ended by itself"
[ -f "$data/VORNTMP.mdb" ] || fail "no working copy in $data"
[ "$(stat -c %U "$data/VORNTMP.mdb")" = "$user" ] || fail "the working copy is not the user's"
! grep -q '^Orvalen' "$logs/err" || fail "orvalen reported a failure"
[ "$(LC_ALL=C ls /usr/lib/orvalen)" = "$(printf 'VORN.mdb\norvalen')" ] || fail "orvalen wrote into its own folder"

kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""
echo "package check: passed"
