#!/usr/bin/env bash
# Shows that a release is the same bytes on any machine: scripts/release.sh makes the release
# of the current commit twice, in two clones at different paths, the second on another kind of
# file system (tmpfs, whose folders list their files in another order and report other sizes)
# and under another clock, time zone, locale and umask (and, when run as root, as another
# user), and the two SHA256SUMS must be the same. For each file that differs, diffoscope shows
# how. The first release is left in build/release/, whose files the setup, zip and package
# tests then try.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh git faketime diffoscope locales

scratch=$(mktemp -d "${TMPDIR:-/tmp}/lumetra-reproducible.XXXXXX")
shm=/dev/shm
[ -w "$shm" ] || shm=$scratch
elsewhere=$(mktemp -d "$shm/lumetra-elsewhere.XXXXXX")
trap 'rm -rf "$scratch" "$elsewhere"' EXIT
chmod 755 "$scratch" "$elsewhere"
first=$scratch/first/lumetra
second=$elsewhere/a/longer/path/Lumetra
for clone in "$first" "$second"; do
  git clone -q --no-hardlinks . "$clone"
  git -C "$clone" checkout -q --detach "$(git rev-parse HEAD)"
done
# A locale with another collation and a decimal comma, made where no root is needed.
mkdir "$scratch/locales" "$scratch/home"
localedef -i fr_FR -f UTF-8 "$scratch/locales/fr_FR.UTF-8"
other=()
if [ "$(id -u)" = 0 ]; then
  chown -R nobody:nogroup "$elsewhere" "$scratch/home"
  other=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

SECONDS=0
bash "$first/scripts/release.sh" >"$scratch/first.log" 2>&1 || { cat "$scratch/first.log"; exit 1; }
echo "the first release took $SECONDS s"
SECONDS=0
env HOME="$scratch/home" LOCPATH="$scratch/locales" LC_ALL=fr_FR.UTF-8 TZ=Pacific/Kiritimati "${other[@]}" \
  faketime -f +1234d bash -c 'umask 077 && exec bash "$0"' "$second/scripts/release.sh" \
  >"$scratch/second.log" 2>&1 || { cat "$scratch/second.log"; exit 1; }
echo "the second release, in $second ($(stat -f -c %T "$second")), on $(faketime -f +1234d date -u +%F) in Pacific/Kiritimati, fr_FR.UTF-8," \
     "umask 077${other:+, as nobody}, took $SECONDS s"

a=$first/build/release b=$second/build/release
if cmp -s "$a/SHA256SUMS" "$b/SHA256SUMS"; then
  cat "$a/SHA256SUMS"
  echo "PASS: both releases are the same bytes"
  rm -rf build/release && mkdir -p build && mv "$a" build/release
  exit 0
fi
echo "FAIL: the two releases differ:"
diff "$a/SHA256SUMS" "$b/SHA256SUMS" || true
while read -r sum name; do
  grep -qxF "$sum  $name" "$b/SHA256SUMS" && continue
  echo "== diffoscope $name"
  diffoscope --text - "$a/$name" "$b/$name" | head -n 300 || true
done <"$a/SHA256SUMS"
exit 1
