#!/usr/bin/env bash
# Lumetra's Windows packages as a user gets them: made by cpack from the windows build
# tree, and tried out under Wine, each case in a fresh prefix under a private Xvfb.
#
# Usage: setup_test.sh CASE --cpack CPACK --config CPackConfig.cmake --packages DIR
#                           --work DIR --version X.Y.Z.W
#
#   packages        cpack writes exactly Lumetra-<version>-win64.exe, a 64-bit Windows
#                   program, and Lumetra-<version>-win64.zip into the packages DIR, which
#                   the other cases use, and into its older/ the setup of an older version
#                   that also installs a History.txt (or the setup and zip of the release in
#                   LUMETRA_RELEASE_DIR, where that is set)
#   zip             the zip holds exactly LICENSES.txt, Lumetra.exe and README.txt, which says
#                   how to start it; the unpacked Lumetra.exe shows its window
#   install         `setup /S` puts Lumetra.exe, with its version information, into the
#                   64-bit Program Files, one Start-menu shortcut to it, and an entry
#                   under Apps and Features; the installed program shows its window; and
#                   `Uninstall.exe /S` removes all of it again
#   second_install  the wizard, with the desktop shortcut ticked, also puts one on the
#                   desktop; a second `setup /S` then replaces the program and keeps both
#                   shortcuts and the one entry
#   upgrade         `setup /S` over the older version, in a folder of the user's choice,
#                   leaves only this version's files there and one entry, of this version
#   downgrade       the older setup, and (setup_running) the setup while Lumetra runs,
#   setup_running   silent or not, end with status 3 (4) and change nothing; not silent,
#                   they first say why in a message box
#   running         uninstalling while Lumetra runs, silently or not, ends with status 4
#                   and removes nothing; not silent, it first says so in a message box;
#                   once the program is closed, the uninstall goes through

set -u -o pipefail

case_name=${1:-}
shift
cpack="" config="" packages="" work="" version=""
while [ $# -gt 0 ]; do
  case $1 in
    --cpack) cpack=$2 ;;
    --config) config=$2 ;;
    --packages) packages=$2 ;;
    --work) work=$2 ;;
    --version) version=$2 ;;
    *) echo "FAIL: unknown argument $1"; exit 2 ;;
  esac
  shift 2
done
for value in "$case_name" "$cpack" "$config" "$packages" "$work" "$version"; do
  [ -n "$value" ] || { echo "FAIL: missing argument (see the usage at the top of $0)"; exit 2; }
done

here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=SCRIPTDIR/../x_session.sh
source "$here/../x_session.sh"
# shellcheck source=SCRIPTDIR/../../scripts/wine-prefix.sh
source "$here/../../scripts/wine-prefix.sh"

setup=$packages/Lumetra-$version-win64.exe
# Older than any version of Lumetra.
readonly OLDER=0.9.0.0
older_setup=$packages/older/Lumetra-$OLDER-win64.exe
zip=$packages/Lumetra-$version-win64.zip
readonly WIN_DIR='C:\Program Files\Lumetra'
readonly KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumetra'

app_pid=""
cleanup() { wine_prefix_remove; xs_stop "$app_pid" "$WM_PID" "$XVFB_PID"; }
trap cleanup EXIT

pass() { echo "PASS: $*"; }
fail() { echo "FAIL: $*"; exit 1; }

# Xvfb with openbox, which gives the message boxes the keyboard focus, and a fresh prefix.
start_session() {
  rm -rf "$work" && mkdir -p "$work"
  xs_start_xvfb "$work" 1024x768 10000 || { cat "$work/xvfb.log"; fail "Xvfb did not start"; }
  xs_start_openbox "$work" 10000 || { cat "$work/openbox.log"; fail "openbox did not start"; }
  wine_prefix_create || fail "no Wine prefix"
  trap cleanup EXIT
  drive=$WINEPREFIX/drive_c
  dir="$drive/Program Files/Lumetra"
  start_menu_link="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Lumetra.lnk"
  desktop_link="$drive/users/Public/Desktop/Lumetra.lnk"
  # The working folder of the Windows programs: a folder of the prefix, not the caller's.
  cd "$drive" || fail "no drive C: in $WINEPREFIX"
}

install_silently() {
  wine "$setup" /S
  local code=$?
  [ "$code" -eq 0 ] || fail "setup /S ended with status $code"
}

# The wizard, driven from the keyboard: Next on the welcome, licence and folder pages, the
# desktop shortcut ticked on the components page, Install, and Finish once it is done.
install_with_desktop_shortcut() {
  wine "$setup" &
  local pid=$!
  poll 30000 xs_find_window "Lumetra Setup" || fail "the setup showed no window within 30 s"
  xdotool windowactivate --sync "$XS_WINDOW" key --delay 300 Return Return Return Down space Return
  poll 30000 test -f "$desktop_link" || fail "no desktop shortcut, though it was ticked"
  # Enter on the installing page goes nowhere; it ends the setup once Finish is there.
  for _ in $(seq 60); do
    kill -0 "$pid" 2>/dev/null || break
    xdotool key Return
    sleep 0.5
  done
  kill -0 "$pid" 2>/dev/null && fail "the setup did not finish within 30 s"
  wait "$pid"
  local code=$?
  [ "$code" -eq 0 ] || fail "the setup ended with status $code"
}

reg_value() {
  wine reg query "$KEY" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}

# The one install there must be: Lumetra VERSION with exactly FILES, the Start-menu shortcut,
# and one entry under Apps and Features, of VERSION and the folder's size.
installed_as() {
  local version=$1 files=${2:-LICENSES.txt Lumetra.exe Uninstall.exe} installed
  installed=$(find "$dir" -mindepth 1 -printf '%f\n' | sort | tr '\n' ' ')
  [ "$installed" = "$files " ] || fail "the install folder holds '$installed', expected '$files'"
  [ -f "$start_menu_link" ] || fail "no Start-menu shortcut"
  [ "$(wine reg query "${KEY%\\*}" /s | grep -c 'DisplayName.*Lumetra')" -eq 1 ] || fail "not one entry for Lumetra"
  [ "$(reg_value DisplayVersion)" = "$version" ] || fail "the entry's version is '$(reg_value DisplayVersion)'"
  bytes=$(cat "$dir"/* | wc -c)
  size_kib=$(($(reg_value EstimatedSize)))
  # The folder's size in KiB, each file's rounded down or up.
  ((size_kib * 1024 > bytes - 2048 && size_kib * 1024 < bytes + 2048)) ||
    fail "the entry's size is $size_kib KiB; the folder holds $bytes bytes"
}

# What a setup or uninstall must leave alone: the installed files (a rewrite changes their
# inode or status-change time), every Lumetra shortcut, and the Apps and Features entry.
snapshot() {
  find "$dir" -type f -exec stat -c '%n %i %s %Y %z' {} + | sort
  find "$drive" -iname 'lumetra*.lnk' -exec stat -c '%n %i %s %Y %z' {} + | sort
  wine reg query "$KEY" | tr -d '\r'
}

unchanged_since_before() {
  local now
  now=$(snapshot)
  [ "$now" = "$before" ] || fail "$1 changed the install: $(diff <(echo "$before") <(echo "$now"))"
}

# The installed Lumetra.exe, or the one that $1 names.
start_program() {
  local program=${1:-$WIN_DIR\\Lumetra.exe}
  wine "$program" >"$work/app.log" 2>&1 &
  app_pid=$!
  xs_wait_window Lumetra "$app_pid" 30000 || fail "$program showed no window 'Lumetra' within 30 s"
  local owner
  owner=$(xprop -id "$XS_WINDOW" _NET_WM_PID | sed -n 's/^_NET_WM_PID(CARDINAL) = //p')
  [ "$owner" = "$app_pid" ] || fail "the window 'Lumetra' belongs to process '$owner', not $app_pid"
  # Wine shows the Windows command line as the process's own.
  local started
  started=$(tr '\0' '\n' <"/proc/$app_pid/cmdline" | head -n1)
  [ "$started" = "$program" ] || fail "the window's program is '$started'"
}

close_program() {
  wine taskkill /im Lumetra.exe >/dev/null
  wait "$app_pid"
  local code=$?
  app_pid=""
  [ "$code" -eq 0 ] || fail "Lumetra.exe ended with status $code when asked to close"
}

# The uninstaller hands over to a copy of itself and returns at once, unless `_?=` names
# the install folder; that argument must be last and unquoted, which cmd passes on as is.
uninstall_waiting() {
  printf '@"%s\\Uninstall.exe" %s _?=%s\r\n' "$WIN_DIR" "$*" "$WIN_DIR" >"$drive/uninstall-wait.bat"
  wine cmd /c 'C:\uninstall-wait.bat'
}

# The uninstaller's copy runs from ~nsu*.tmp in the prefix's temporary folder, so its
# process maps a file from there.
uninstaller_copy_ended() {
  local maps
  maps=$(cat /proc/[0-9]*/maps 2>/dev/null)
  ! grep -F "$drive/users/" <<<"$maps" | grep -F '/~nsu' >/dev/null
}

# Runs a Windows command line without /S and expects a message box titled TITLE whose text
# holds each TEXT; presses Enter on it and sets STATUS to the command's exit status.
message_then_status() {
  local title=$1 texts=$2
  shift 2
  WINEDEBUG=-all,trace+msgbox "$@" 2>"$work/msgbox.log" &
  local pid=$!
  msgbox_shown() { grep -q 'MSGBOX_OnInit' "$work/msgbox.log" && xs_find_window "$title"; }
  poll 30000 msgbox_shown || fail "no message box '$title' within 30 s"
  # Wine's trace writes the text as a C string, with \\ and \n.
  local message
  message=$(printf '%b' "$(sed -n 's/.*MSGBOX_OnInit L"\(.*\)"$/\1/p' "$work/msgbox.log" | head -n1)")
  local text
  while IFS= read -r text; do
    grep -qF -- "$text" <<<"$message" || fail "the message box '$title' says '$message', not '$text'"
  done <<<"$texts"
  pass "message box '$title': $message"
  xdotool windowactivate --sync "$XS_WINDOW" key Return
  ended() { ! kill -0 "$pid" 2>/dev/null; }
  poll 15000 ended || fail "'$title' did not end within 15 s of Enter on its message box"
  wait "$pid"
  STATUS=$?
}

case $case_name in
packages)
  rm -rf "$packages"
  mkdir -p "$packages"
  if [ -n "${LUMETRA_RELEASE_DIR:-}" ]; then
    cp "$LUMETRA_RELEASE_DIR/${setup##*/}" "$LUMETRA_RELEASE_DIR/${zip##*/}" "$packages/" ||
      fail "no setup and zip of $version in $LUMETRA_RELEASE_DIR"
  else
    "$cpack" --config "$config" -B "$packages" >"$packages/cpack.log" 2>&1 ||
      { cat "$packages/cpack.log"; fail "cpack failed"; }
  fi
  built=$(cd "$packages" && find . -maxdepth 1 -type f -name 'Lumetra*' -printf '%f\n' | sort | tr '\n' ' ')
  [ "$built" = "Lumetra-$version-win64.exe Lumetra-$version-win64.zip " ] ||
    fail "cpack made '$built', expected Lumetra-$version-win64.exe and .zip"
  file -b "$setup" | grep -q '^PE32+ executable (GUI) x86-64' || fail "the setup is $(file -b "$setup")"
  pass "the packages are Lumetra-$version-win64.exe (a 64-bit Windows program) and Lumetra-$version-win64.zip"
  # The same program as an older version that shipped one more file.
  mkdir -p "$packages/older-files" && echo "Lumetra $OLDER" >"$packages/older-files/History.txt"
  "$cpack" --config "$config" -B "$packages/older" -G NSIS -D "CPACK_PACKAGE_VERSION=$OLDER" \
    -D "CPACK_PACKAGE_FILE_NAME=Lumetra-$OLDER-win64" -D "CPACK_INSTALLED_DIRECTORIES=$packages/older-files;." \
    >"$packages/cpack-older.log" 2>&1 || { cat "$packages/cpack-older.log"; fail "cpack failed for $OLDER"; }
  pass "cpack made the setup of Lumetra $OLDER"
  ;;

zip)
  listed=$(cmake -E tar tf "$zip" | sort | tr '\n' ' ')
  [ "$listed" = "LICENSES.txt Lumetra.exe README.txt " ] ||
    fail "the zip holds '$listed', expected LICENSES.txt, Lumetra.exe and README.txt"
  start_session
  unpacked=$drive/Lumetra
  mkdir "$unpacked" && (cd "$unpacked" && cmake -E tar xf "$zip") || fail "the zip does not unpack"
  file -b "$unpacked/Lumetra.exe" | grep -q '^PE32+ executable (GUI) x86-64' ||
    fail "Lumetra.exe is $(file -b "$unpacked/Lumetra.exe")"
  grep -q "Lumetra $version" "$unpacked/README.txt" || fail "README.txt does not name Lumetra $version"
  grep -q 'double-click Lumetra.exe' "$unpacked/README.txt" || fail "README.txt does not say how to start Lumetra"
  # Lumetra.exe has libstdc++ (under its runtime exception), the mingw-w64 runtime, fmt and
  # fast_float built in; the setup and Uninstall.exe are NSIS.
  for notice in "GCC RUNTIME LIBRARY EXCEPTION" "Upstream-Name: mingw-w64" "Upstream-Name: fmt" \
                "Upstream-Name: fast_float" "Upstream-Name: nsis"; do
    grep -q "^$notice" "$unpacked/LICENSES.txt" || fail "LICENSES.txt lacks the notice '$notice'"
  done
  pass "the zip holds exactly LICENSES.txt, with the notices of what is built in, Lumetra.exe and README.txt"
  start_program 'C:\Lumetra\Lumetra.exe'
  pass "the unpacked Lumetra.exe shows its window"
  close_program
  ;;

install)
  start_session
  install_silently
  [ -f "$dir/Lumetra.exe" ] || fail "no $WIN_DIR\\Lumetra.exe"
  [ ! -e "$drive/Program Files (x86)/Lumetra" ] || fail "setup wrote into the 32-bit Program Files"
  installed_as "$version"
  pass "Lumetra.exe and Uninstall.exe of $version are in the 64-bit Program Files, with one entry of $version"

  wrestool -x --raw -t16 "$dir/Lumetra.exe" >"$work/version.bin" || fail "wrestool finds no version resource"
  facts=$(python3 "$here/winfiles.py" version "$work/version.bin") || fail "unreadable version resource"
  IFS=. read -r major minor _ tweak <<<"$version"
  # Shown in the file properties: major, two-digit minor, four-digit revision.
  text=$(printf '%d.%02d.%04d' "$major" "$minor" "$tweak")
  for fact in "file_version=$version" "product_version=$version" "FileVersion=$text" "ProductVersion=$text" \
              ProductName=Lumetra InternalName=Lumetra OriginalFilename=Lumetra.exe CompanyName=Quillon; do
    grep -qxF "$fact" <<<"$facts" || fail "the version information lacks $fact: $(tr '\n' ';' <<<"$facts")"
  done
  pass "the installed program's version information is $version, '$text', Lumetra, Lumetra.exe, Quillon"

  links=$(find "$drive" -iname 'lumetra*.lnk')
  [ "$links" = "$start_menu_link" ] || fail "the shortcuts are '$links', expected only the Start-menu one"
  facts=$(python3 "$here/winfiles.py" shortcut "$start_menu_link") || fail "unreadable shortcut"
  for fact in "target=$WIN_DIR\\Lumetra.exe" "icon=$WIN_DIR\\Lumetra.exe" icon_index=0; do
    grep -qxF "$fact" <<<"$facts" || fail "the Start-menu shortcut lacks $fact: $(tr '\n' ';' <<<"$facts")"
  done
  pass "one shortcut, in the Start menu, starts Lumetra.exe with its icon; none on a desktop"

  [ "$(reg_value DisplayName)" = Lumetra ] || fail "Apps and Features shows '$(reg_value DisplayName)'"
  [ "$(reg_value Publisher)" = Quillon ] || fail "the entry's publisher is '$(reg_value Publisher)'"
  [ "$(reg_value DisplayIcon)" = "$WIN_DIR\\Lumetra.exe,0" ] || fail "the entry's icon is '$(reg_value DisplayIcon)'"
  [ "$(reg_value UninstallString)" = "\"$WIN_DIR\\Uninstall.exe\"" ] ||
    fail "the entry uninstalls with '$(reg_value UninstallString)'"
  pass "Apps and Features: Lumetra $version by $(reg_value Publisher), $size_kib KiB, with its icon and uninstaller"

  start_program
  pass "the installed Lumetra.exe shows its top-level window 'Lumetra'"
  close_program

  # As Apps and Features runs it.
  wine "$WIN_DIR\\Uninstall.exe" /S || fail "Uninstall.exe /S failed"
  # Waits for the uninstaller's copy and for the registry to reach the disk.
  wineserver -w
  left=$(find "$drive" -iname '*lumetra*')
  [ -z "$left" ] || fail "the uninstall left: $left"
  grep -qi lumetra "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg" &&
    fail "the registry still names Lumetra: $(grep -i lumetra "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg")"
  pass "Uninstall.exe /S removed the program, its folder, the shortcut and the entry"
  ;;

second_install)
  start_session
  install_with_desktop_shortcut
  links=$(find "$drive" -iname 'lumetra*.lnk' | sort | tr '\n' ' ')
  [ "$links" = "$start_menu_link $desktop_link " ] || fail "the shortcuts are '$links'"
  grep -qxF "target=$WIN_DIR\\Lumetra.exe" <(python3 "$here/winfiles.py" shortcut "$desktop_link") ||
    fail "the desktop shortcut does not start $WIN_DIR\\Lumetra.exe"
  pass "the setup's wizard, with the desktop shortcut ticked, puts one on the desktop too"
  program=$(stat -c '%i %z' "$dir/Lumetra.exe")
  install_silently
  [ "$(stat -c '%i %z' "$dir/Lumetra.exe")" != "$program" ] || fail "a second setup /S left Lumetra.exe as it was"
  installed_as "$version"
  [ -f "$desktop_link" ] || fail "a second setup /S removed the desktop shortcut"
  pass "a second setup /S replaces Lumetra.exe and keeps both shortcuts and the one entry"
  ;;

upgrade)
  start_session
  # Installed where the user chose, which the new version must keep.
  wine "$older_setup" /S '/D=C:\Tools\Lumetra' || fail "the setup of $OLDER failed"
  dir=$drive/Tools/Lumetra
  installed_as "$OLDER" "History.txt LICENSES.txt Lumetra.exe Uninstall.exe"
  install_silently
  installed_as "$version"
  [ ! -e "$drive/Program Files/Lumetra" ] || fail "the upgrade installed into Program Files, not where $OLDER was"
  pass "setup /S of $version over $OLDER in C:\Tools\Lumetra leaves only the files of $version there and one entry"
  ;;

downgrade | setup_running)
  start_session
  install_silently
  if [ "$case_name" = downgrade ]; then
    refused=$older_setup expected=3 texts="Lumetra $version is installed in $WIN_DIR"$'\n'"version $OLDER"
  else
    start_program
    refused=$setup expected=4 texts="Lumetra is running"
  fi
  before=$(snapshot)
  wine "$refused" /S
  code=$?
  [ "$code" -eq "$expected" ] || fail "setup /S ended with status $code, expected $expected"
  unchanged_since_before "setup /S"
  message_then_status "Lumetra Setup" "$texts"$'\n'"Nothing was changed" wine "$refused"
  [ "$STATUS" -eq "$expected" ] || fail "the setup ended with status $STATUS after its message, expected $expected"
  unchanged_since_before "the setup"
  installed_as "$version"
  pass "setup /S and the wizard end with status $expected and change nothing"
  ;;

running)
  start_session
  install_silently
  start_program
  before=$(snapshot)
  uninstall_waiting /S
  code=$?
  [ "$code" -eq 4 ] || fail "Uninstall.exe /S ended with status $code while Lumetra ran, expected 4"
  unchanged_since_before "Uninstall.exe /S"
  pass "while Lumetra runs, Uninstall.exe /S ends with status 4 and removes nothing"
  # As Apps and Features runs it: the caller sees no status, but nothing may go either.
  wine "$WIN_DIR\\Uninstall.exe" /S
  poll 30000 uninstaller_copy_ended || fail "the uninstaller's copy still runs after 30 s"
  unchanged_since_before "Uninstall.exe /S"
  pass "while Lumetra runs, the quiet uninstall of Apps and Features removes nothing"
  message_then_status "Lumetra Uninstall" "Lumetra is running"$'\n'"Nothing was removed" uninstall_waiting
  [ "$STATUS" -eq 4 ] || fail "the uninstall ended with status $STATUS after its message, expected 4"
  unchanged_since_before "the uninstall"
  pass "while Lumetra runs, the uninstall says so, ends with status 4 and removes nothing"
  close_program
  uninstall_waiting /S
  code=$?
  [ "$code" -eq 0 ] || fail "Uninstall.exe /S ended with status $code once Lumetra was closed"
  if [ -e "$dir/Lumetra.exe" ] || [ -e "$start_menu_link" ] || [ -n "$(reg_value DisplayName)" ]; then
    fail "Uninstall.exe /S did not remove Lumetra once it was closed"
  fi
  pass "once Lumetra is closed, Uninstall.exe /S removes it"
  ;;

*)
  echo "FAIL: unknown case '$case_name'"
  exit 2
  ;;
esac
echo "PASS: $case_name"
