# Shared Wine set-up for the dev script and the test runner: locale, prefix, display.
# Sourced, not run. Expects VELMORA_ROOT to be the source tree's root.

: "${VELMORA_ROOT:?}"
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win64
export WINEPREFIX="${WINEPREFIX:-$VELMORA_ROOT/build/windows/wine-prefix}"

# Gives DISPLAY a value: the caller's display, or the project's own Xvfb (started once,
# kept running; its number is remembered beside the prefixes).
velmora_ensure_display() {
  local state="$VELMORA_ROOT/build/xvfb.display" n attempt
  # A busy server may be slow to answer: ask a few times before starting another.
  for attempt in 1 2 3; do
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
    if [ -f "$state" ]; then
      n=$(cat "$state")
      if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then export DISPLAY=":$n"; return 0; fi
      [ -e "/tmp/.X$n-lock" ] || break  # that server is gone
    else
      break
    fi
    sleep 0.5
  done
  mkdir -p "$VELMORA_ROOT/build"
  for n in $(seq 91 120); do
    [ -e "/tmp/.X$n-lock" ] && continue
    (setsid Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &)
    for _ in $(seq 1 50); do
      if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
        echo "$n" >"$state"; export DISPLAY=":$n"; return 0
      fi
      sleep 0.1
    done
  done
  echo "velmora: could not start Xvfb" >&2
  return 1
}

# Makes a fresh prefix: Windows 7, a 1024x768 virtual desktop shared by every process
# (so a test process sees the program's windows and the notification area), no themes.
velmora_make_prefix() {
  local prefix="$1"
  rm -rf "$prefix"
  mkdir -p "$(dirname "$prefix")"
  WINEPREFIX="$prefix" wineboot -i >/dev/null 2>&1
  WINEPREFIX="$prefix" wineserver -w
  WINEPREFIX="$prefix" wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  WINEPREFIX="$prefix" wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  # The shell gives the desktop a taskbar with its notification area.
  WINEPREFIX="$prefix" wine reg add 'HKCU\Software\Wine\Explorer\Desktops\Default' /v EnableShell /t REG_DWORD /d 1 /f >/dev/null 2>&1
  WINEPREFIX="$prefix" wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive /d 0 /f >/dev/null 2>&1
  WINEPREFIX="$prefix" wine winecfg -v win7 >/dev/null 2>&1
  WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  WINEPREFIX="$prefix" wineserver -w 2>/dev/null || true
}
