#!/usr/bin/env bash
# Builds the Debian package (in build/, or the folder given) and checks it as Debian would:
# lintian, the desktop entry, the AppStream metadata and the program's hardening. Installs
# it with apt and starts the installed orvalen headless, once as root and once as an
# unprivileged user, each with a fresh home: the working copy is made in that user's data
# folder, no start-up message appears, the program runs until it is stopped, and nothing
# under /usr/lib/orvalen changes. Then removes the package, and installs and purges it once
# more; /usr must be as it was before the install each time. The package is purged in any
# case.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
user="orvalencheck"
id="org.orvalen.Orvalen"
appdir=/usr/lib/orvalen

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

fail() {
  echo "package check: $*" >&2
  exit 1
}

# The checkers, with what the build needs.
scripts/setup.sh lintian appstream-util
scripts/package.sh "$dir"
deb="$(ls -t "$dir"/orvalen_*_"$(dpkg --print-architecture)".deb | head -n 1)"
echo "package check: $deb"
dpkg-deb --field "$deb" Package Version Depends
dpkg-deb --contents "$deb"
depends="$(dpkg-deb --field "$deb" Depends)"
for p in fonts-dejavu-core fonts-dejavu-extra fonts-liberation libqt6widgets6; do
  grep -qE "(^|, )$p( |,|$)" <<<"$depends" || fail "no dependency on $p"
done
version="$(dpkg-deb --field "$deb" Version)"

apt_get() { $SUDO env DEBIAN_FRONTEND=noninteractive apt-get -y -qq "$@"; }
installed() { dpkg-query -W -f='${Status}' orvalen 2>/dev/null | grep -q "install ok installed"; }

pid=""
homes=()
logs="$(mktemp -d)"
cleanup() {
  if [ -n "$pid" ]; then $SUDO kill "$pid" 2>/dev/null || true; fi
  if installed; then apt_get purge orvalen >/dev/null || true; fi
  for h in "${homes[@]}"; do $SUDO rm -rf "$h"; done
  rm -rf "$logs"
}
trap cleanup EXIT

# Lintian: no error and no warning but the placeholder maintainer address, in the control
# file and in the changelog, while the project has no real contact address.
lintian --fail-on none "$deb" >"$logs/lintian" 2>"$logs/lintian.err" ||
  { cat "$logs/lintian.err" >&2; fail "lintian did not run"; }
cat "$logs/lintian"
if grep -E '^[EW]: ' "$logs/lintian" |
  grep -vE '^E: orvalen: bogus-mail-host(-in-debian-changelog)? .*orvalen@localhost' >&2; then
  fail "lintian reports the errors or warnings above"
fi

# The desktop entry and the metadata as packed.
unpacked="$logs/unpacked"
dpkg-deb --extract "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/$id.desktop" ||
  fail "desktop-file-validate reports errors"
metainfo="$unpacked/usr/share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli reports errors"
# appstream-util's own validation, which asks for a release and a web page: the project
# has no web page yet, so that one error alone is let pass.
if ! appstream-util validate "$metainfo" >"$logs/appstream-util" 2>&1; then
  cat "$logs/appstream-util"
  echo
  ! grep -vE '^(.*: FAILED:|• tag-missing +: <url> is not present|Validation of files failed)$' \
    "$logs/appstream-util" >/dev/null || fail "appstream-util reports errors"
fi
grep -q "<release version=\"${version%%-*}\"" "$metainfo" ||
  fail "the metadata has no release entry for version ${version%%-*}"

# The program as packed is hardened as Debian builds its packages: a stack protector,
# fortified libc calls and full RELRO (a read-only relocation segment, every symbol bound at
# start-up). A fortified call goes to libc's checking form, __*_chk or __open*_2; a call
# whose buffer size the compiler cannot know keeps the plain form, so one such call is
# enough.
program="$unpacked$appdir/orvalen"
readelf --dyn-syms --wide "$program" | awk '$7 == "UND" { sub(/@.*/, "", $8); print $8 }' |
  LC_ALL=C sort -u >"$logs/imports"
grep -qx '__stack_chk_fail' "$logs/imports" || fail "the program has no stack protector"
fortified="$(grep -E '^__[a-z0-9_]+_chk$|^__(open|open64|openat|openat64)_2$' "$logs/imports" |
  paste -sd' ')" || fail "the program calls no fortified libc function"
readelf --program-headers --wide "$program" >"$logs/segments"
grep -qw GNU_RELRO "$logs/segments" ||
  fail "the program has no read-only relocation segment (RELRO)"
readelf --dynamic --wide "$program" >"$logs/dynamic"
grep -qE '\(BIND_NOW\)|\(FLAGS(_1)?\) .*\bNOW\b' "$logs/dynamic" ||
  fail "the program is not bound at start-up (no BIND_NOW): partial RELRO only"
echo "package check: hardened: __stack_chk_fail, $fortified, GNU_RELRO, BIND_NOW"

# /usr before the install, as paths; what apt installs besides must come from other
# packages.
listing() { find /usr -xdev | LC_ALL=C sort; }
listing >"$logs/usr.before"
[ ! -e "$appdir" ] || fail "$appdir exists before the install"

apt_get install --no-install-recommends "$(realpath "$deb")"

[ "$(command -v orvalen)" = /usr/bin/orvalen ] || fail "orvalen is not /usr/bin/orvalen"
[ -f "$appdir/VORN.mdb" ] || fail "the template is not installed beside the executable"
[ -f /usr/share/icons/hicolor/scalable/apps/$id.svg ] || fail "the scalable icon is not installed"
for size in 16 32 48 64 128 256; do
  [ -f "/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" ] || fail "no ${size}x${size} icon"
done
[ -f /usr/share/man/man1/orvalen.1.gz ] || fail "the manual page is not installed"
[ -f /usr/share/doc/orvalen/copyright ] || fail "the copyright file is not installed"

# The application folder as installed: names, sizes, modes and times of change.
appfolder() { find "$appdir" -printf '%P %s %m %C@ %T@\n' | LC_ALL=C sort; }
appfolder >"$logs/app.installed"
[ "$(find "$appdir" -mindepth 1 -printf '%P\n' | LC_ALL=C sort | paste -sd' ')" = "INSTALLED VORN.mdb orvalen" ] ||
  fail "$appdir holds more or less than the package put there"

if [ "$(id -u)" -eq 0 ]; then
  id -u "$user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user"
else
  user="$(id -un)"
fi

# Starts the installed orvalen as root (`root`) or as the unprivileged user, with a fresh
# home, and stops it again. A start-up that cannot go on writes "Orvalen cannot start: ..."
# to the standard error stream before it shows its message box.
start_as() {
  local who="$1" home run=()
  home="$(mktemp -d)"
  homes+=("$home")
  if [ "$who" = root ]; then
    if [ -n "$SUDO" ]; then run=("$SUDO"); fi
    $SUDO chown root: "$home"
  else
    who="$user"
    if [ "$(id -u)" -eq 0 ]; then
      run=(setpriv --reuid="$(id -u "$user")" --regid="$(id -g "$user")" --init-groups)
    fi
    $SUDO chown "$user": "$home"
  fi
  local data="$home/.local/share/Orvalen"
  echo "package check: orvalen as $who, home $home"

  "${run[@]}" env -i HOME="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen \
    XDG_RUNTIME_DIR="$home" orvalen >"$logs/out" 2>"$logs/err" &
  pid=$!
  for _ in $(seq 1 100); do
    $SUDO test -f "$data/VORNTMP.mdb" && $SUDO test -f "$data/VORNTMP.mdb.lock" && break
    $SUDO kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  sleep 2
  cat "$logs/err" >&2
  $SUDO kill -0 "$pid" 2>/dev/null || fail "orvalen ended by itself (as $who)"
  $SUDO test -f "$data/VORNTMP.mdb" || fail "no working copy in $data (as $who)"
  $SUDO test -f "$data/VORNTMP.mdb.lock" || fail "no lock in $data (as $who)"
  [ "$($SUDO stat -c %U "$data/VORNTMP.mdb")" = "$who" ] || fail "the working copy is not $who's"
  ! grep -q '^Orvalen' "$logs/err" || fail "orvalen reported a failure (as $who)"

  $SUDO kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
  appfolder >"$logs/app.after"
  diff "$logs/app.installed" "$logs/app.after" >&2 || fail "orvalen changed $appdir (as $who)"
}
start_as root
start_as user

# Whatever is under /usr now and was not before must belong to another package (a
# dependency apt brought in); nothing that was there may be gone.
compare_usr() {
  local step="$1" path owner bad=0
  listing >"$logs/usr.after"
  while IFS= read -r path; do
    owner="$(dpkg-query -S "$path" 2>/dev/null | head -n 1 | cut -d: -f1)" || true
    if [ -z "$owner" ] || [ "$owner" = orvalen ]; then
      echo "package check: left after $step: $path" >&2
      bad=1
    fi
  done < <(LC_ALL=C comm -13 "$logs/usr.before" "$logs/usr.after")
  LC_ALL=C comm -23 "$logs/usr.before" "$logs/usr.after" | sed "s/^/package check: gone after $step: /" >&2
  [ -z "$(LC_ALL=C comm -23 "$logs/usr.before" "$logs/usr.after")" ] || bad=1
  [ ! -e "$appdir" ] || { echo "package check: $appdir left after $step" >&2; bad=1; }
  [ "$bad" -eq 0 ] || fail "/usr is not as it was before the install"
}
apt_get remove orvalen >/dev/null
compare_usr "apt remove"
# Once more, installed and purged.
apt_get install --no-install-recommends "$(realpath "$deb")" >/dev/null
apt_get purge orvalen >/dev/null
compare_usr "apt purge"
echo "package check: passed"
