#!/usr/bin/env bash
# The Debian package, built, installed and started as a user would get it.
#
# Usage: install_test.sh --cpack CPACK --config CPackConfig.cmake --work DIR
#                        --app-id ID --version X.Y.Z.W
#
# 1. cpack builds the package from the build tree into DIR/package (with LUMETRA_RELEASE_DIR
#    set, the package is that release's); its file name must be lumetra_<version>_<arch>.deb,
#    its Depends must hold the shared libraries that dpkg-shlibdeps found (libc6, libstdc++6,
#    the Qt 6 Widgets library) and the font, its copyright file must name the Qt and C++
#    runtime packages, and lintian must report no error.
# 2. dpkg installs it into the scratch root DIR/root with a fresh database of its own.
#    The root holds no Qt: its dependencies are forced, as the program uses the
#    system's libraries at run time.
# 3. The program, the desktop entry, the hicolor icons and the AppStream metainfo must be
#    in their standard places, and the entry and the metainfo must validate.
# 4. The installed program runs under a private Xvfb with openbox: its window "Lumetra"
#    must be mapped with a 377x343 client area, and closing it with Alt+F4 must end the
#    program with status 0.
#
# Works as root and as an ordinary user (dpkg then runs with --force-not-root).

set -u -o pipefail

cpack=""
config=""
work=""
app_id=""
version=""
while [ $# -gt 0 ]; do
  case $1 in
    --cpack) cpack=$2 ;;
    --config) config=$2 ;;
    --work) work=$2 ;;
    --app-id) app_id=$2 ;;
    --version) version=$2 ;;
    *) echo "FAIL: unknown argument $1"; exit 2 ;;
  esac
  shift 2
done
for value in "$cpack" "$config" "$work" "$app_id" "$version"; do
  [ -n "$value" ] || { echo "FAIL: missing argument (see the usage at the top of $0)"; exit 2; }
done

work=$(realpath -m -- "$work")
case $work in
  / | /usr | /usr/* | "$HOME") echo "FAIL: refusing to use $work as the scratch directory"; exit 2 ;;
esac
readonly EXPECTED_SIZE="377x343"

# shellcheck source=SCRIPTDIR/../x_session.sh
source "$(dirname "${BASH_SOURCE[0]}")/../x_session.sh"

app_pid=""
cleanup() { xs_stop "$app_pid" "$WM_PID" "$XVFB_PID"; }
trap cleanup EXIT
trap 'echo "FAIL: interrupted"; exit 130' INT TERM

pass() { echo "PASS: $*"; }
fail() {
  echo "FAIL: $*"
  if [ -s "$work/app.log" ]; then
    echo "--- program output ---"
    cat "$work/app.log"
    echo "----------------------"
  fi
  echo "FAIL: package install test"
  exit 1
}

# dpkg-shlibdeps (dpkg-dev) and file are what cpack needs to compute the dependencies.
for tool in dpkg dpkg-deb dpkg-shlibdeps file lintian Xvfb openbox xdotool xprop; do
  command -v "$tool" >/dev/null 2>&1 || { echo "FAIL: $tool is not installed"; exit 1; }
done
# dpkg looks for ldconfig and friends on PATH, which an ordinary user's often lacks.
export PATH="$PATH:/usr/local/sbin:/usr/sbin:/sbin"

rm -rf "$work"
mkdir -p "$work/package" "$work/root" "$work/admin/updates" "$work/admin/info" "$work/admin/triggers"
: >"$work/admin/status"
: >"$work/admin/available"

# --- 1. the package ---------------------------------------------------------------------

arch=$(dpkg --print-architecture)
deb_name="lumetra_${version}_${arch}.deb"
if [ -n "${LUMETRA_RELEASE_DIR:-}" ]; then
  cp "$LUMETRA_RELEASE_DIR/$deb_name" "$work/package/" || fail "no $deb_name in $LUMETRA_RELEASE_DIR"
elif ! "$cpack" -G DEB --config "$config" -B "$work/package" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  fail "cpack could not build the package"
fi
built=$(cd "$work/package" && ls -1 -- *.deb 2>/dev/null)
[ "$built" = "$deb_name" ] || fail "cpack built '$built', expected exactly $deb_name"
deb="$work/package/$deb_name"
pass "the package is $deb_name"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = "lumetra" ] || fail "the package is called '$(field Package)', not lumetra"
[ "$(field Version)" = "$version" ] || fail "the package version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$arch" ] || fail "the package is for '$(field Architecture)', not $arch"
depends=$(field Depends)
# Each dependency as its bare package name, one a line.
depends_names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ *(.*//; s/ *|.*//' | sort -u)
for needed in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6 fonts-dejavu-extra; do
  grep -qx "$needed" <<<"$depends_names" || fail "Depends lacks $needed: '$depends'"
done
# A version bound on every library shows the dependencies come from dpkg-shlibdeps.
grep -q 'libqt6widgets6 (>= ' <<<"$depends" || fail "Depends has no version bound on Qt: '$depends'"
pass "Depends: $depends"
out=$(lintian --fail-on error "$deb" 2>&1) || fail "lintian reports errors: $out"
pass "lintian reports no error"

# --- 2. installing it into a scratch root -------------------------------------------------

dpkg_args=(--instdir="$work/root" --admindir="$work/admin" --force-depends --force-script-chrootless
           --log=/dev/null)
[ "$(id -u)" = 0 ] || dpkg_args+=(--force-not-root)
if ! dpkg "${dpkg_args[@]}" --install "$deb" >"$work/dpkg.log" 2>&1; then
  cat "$work/dpkg.log"
  fail "dpkg could not install the package into $work/root"
fi
status=$(dpkg --admindir="$work/admin" --status lumetra 2>/dev/null | sed -n 's/^Status: //p')
[ "$status" = "install ok installed" ] || fail "dpkg reports the package as '$status'"
pass "dpkg installed the package into the scratch root"

# --- 3. files in their standard places -------------------------------------------------------

root=$work/root
expected_files=(
  usr/bin/lumetra
  "usr/share/applications/$app_id.desktop"
  "usr/share/metainfo/$app_id.metainfo.xml"
  "usr/share/icons/hicolor/16x16/apps/$app_id.png"
  "usr/share/icons/hicolor/32x32/apps/$app_id.png"
  "usr/share/icons/hicolor/64x64/apps/$app_id.png"
  "usr/share/icons/hicolor/128x128/apps/$app_id.png"
  "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
)
for file in "${expected_files[@]}"; do
  [ -f "$root/$file" ] || fail "/$file is not installed; the root holds: $(cd "$root" && find . -type f | sort | tr '\n' ' ')"
done
[ -x "$root/usr/bin/lumetra" ] || fail "/usr/bin/lumetra is not executable"
# dpkg's own list of the package must name the same files.
listed=$(dpkg --admindir="$work/admin" --listfiles lumetra)
for file in "${expected_files[@]}"; do
  grep -qx "/$file" <<<"$listed" || fail "dpkg does not list /$file as the package's"
done
for size in 16 32 64 128; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  # Width and height are the big-endian words at bytes 16 and 20 of the PNG header.
  dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }')
  [ "$dims" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $dims"
done
grep -q '<svg' "$root/usr/share/icons/hicolor/scalable/apps/$app_id.svg" ||
  fail "the scalable icon is not an SVG picture"
pass "program, desktop entry, metainfo and icons are in their standard places"
copyright=$(cat "$root/usr/share/doc/lumetra/copyright")
grep -qx "License: Expat" <<<"$copyright" && grep -q " libqt6widgets6, .*libstdc++6[,.]" <<<"$copyright" ||
  fail "the copyright file does not give the licence Expat (MIT) and name libqt6widgets6 and libstdc++6: $copyright"
pass "the copyright file gives Lumetra's licence and names the Qt and C++ runtime packages"

desktop="$root/usr/share/applications/$app_id.desktop"
metainfo="$root/usr/share/metainfo/$app_id.metainfo.xml"
if command -v desktop-file-validate >/dev/null 2>&1; then
  out=$(desktop-file-validate "$desktop" 2>&1)
  [ -z "$out" ] || fail "desktop-file-validate: $out"
  pass "the installed desktop entry validates"
else
  fail "desktop-file-validate (desktop-file-utils) is not installed"
fi
grep -qx "Exec=lumetra" "$desktop" || fail "the desktop entry does not start lumetra"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry does not name the icon $app_id"
if command -v appstreamcli >/dev/null 2>&1; then
  out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
  pass "the installed metainfo validates"
else
  fail "appstreamcli (appstream) is not installed"
fi
grep -q '<screenshot type="default">' "$metainfo" || fail "the metainfo has no default screenshot"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not point at the desktop entry"

# --- 4. the installed program under X --------------------------------------------------------

xs_start_xvfb "$work" 1280x1024 10000 || { cat "$work/xvfb.log"; fail "Xvfb did not report a display within 10 s"; }
xs_qt_env
xs_runtime_dir "$work"
xs_start_openbox "$work" 10000 || { cat "$work/openbox.log"; fail "openbox did not start within 10 s"; }

"$root/usr/bin/lumetra" >"$work/app.log" 2>&1 &
app_pid=$!
app_exited() { ! kill -0 "$app_pid" 2>/dev/null; }
if ! xs_wait_window Lumetra "$app_pid" 15000; then
  if app_exited; then
    wait "$app_pid"
    code=$?
    app_pid=""
    fail "the installed program exited with status $code before its window appeared"
  fi
  fail "no window titled 'Lumetra' was mapped within 15 s"
fi
window=$XS_WINDOW
pid_of_window=$(xprop -id "$window" _NET_WM_PID 2>/dev/null | sed -n 's/^_NET_WM_PID(CARDINAL) = //p')
[ "$pid_of_window" = "$app_pid" ] || fail "the window belongs to process '$pid_of_window', not the installed program $app_pid"
exe=$(readlink "/proc/$app_pid/exe")
[ "$exe" = "$root/usr/bin/lumetra" ] || fail "the running program is '$exe', not the installed one"
pass "the installed program maps its window 'Lumetra'"

geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: *//p')
[ "$geometry" = "$EXPECTED_SIZE" ] || fail "client area is '$geometry', expected $EXPECTED_SIZE"
pass "client area is $geometry"

is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ]; }
poll 10000 is_active || fail "the window did not become active within 10 s"
# Active is openbox's word for it; the key goes where the X server has put the focus.
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ]; }
poll 10000 has_focus || fail "the window did not get the keyboard focus within 10 s"
sleep 0.3
xdotool key --clearmodifiers alt+F4
poll 5000 app_exited || fail "the program did not exit within 5 s of Alt+F4"
wait "$app_pid"
code=$?
app_pid=""
[ "$code" -eq 0 ] || fail "the program exited with status $code after Alt+F4"
pass "Alt+F4 closes the window and the program exits with status 0"

echo "PASS: package install test"
