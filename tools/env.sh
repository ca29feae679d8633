# Environment shared by ./qv and the tools it calls (sourced, not run).
QV_ROOT=${QV_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export QV_ROOT

build_dir=${QV_BUILD:-build/debug}
case "$build_dir" in /*) ;; *) build_dir="$QV_ROOT/$build_dir" ;; esac
export QV_BUILD_DIR=$build_dir

export WINEPREFIX="$QV_ROOT/build/wineprefix"
# A second prefix whose wineserver runs in a zone with daylight-saving time.
export QV_DST_PREFIX="$QV_ROOT/build/wineprefix-dst"
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko: there is no network to download them. No winedbg either: a
# crashing test must fail at once rather than sit in the debugger until its time-out.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
# The fixed zone of every run (Taipei has no daylight-saving time).
export TZ=${QV_TZ:-Asia/Taipei}
export QV_OUT="$QV_ROOT/out"
# The system's fonts without smoothing (see tools/fonts.conf).
export FONTCONFIG_FILE="$QV_ROOT/tools/fonts.conf"
# Where the PDF queue writes printed jobs (cups-pdf's Out for this user).
export QV_PDF_DIR="${HOME:-/root}/PDF"
export QV_DISPLAY_NUM=77

QV_HEADLESS=0
if [ -z "${DISPLAY:-}" ]; then
  QV_HEADLESS=1
  export DISPLAY=":$QV_DISPLAY_NUM"
fi
export QV_HEADLESS

# One Xvfb (when there is no display) and one persistent wineserver per prefix for a whole run.
qv_start_servers() {
  if [ "$QV_HEADLESS" = 1 ] && ! xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
    rm -f "/tmp/.X${QV_DISPLAY_NUM}-lock" "/tmp/.X11-unix/X${QV_DISPLAY_NUM}"
    setsid Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp \
      >"$QV_ROOT/build/xvfb.log" 2>&1 < /dev/null &
    for _ in $(seq 50); do
      xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 && break
      sleep 0.2
    done
    export QV_STARTED_XVFB=1
  fi
  qv_boot_prefix "$WINEPREFIX" "$TZ"
  if [ -d "$QV_DST_PREFIX" ]; then
    qv_boot_prefix "$QV_DST_PREFIX" America/New_York
  fi
}

# The first Wine program in a prefix starts its session processes (services.exe,
# plugplay, rpcss...), which outlive it and keep its output pipe open: under ctest
# that test would then wait for its time-out. Start them here, detached from any pipe.
qv_boot_prefix() {   # qv_boot_prefix <prefix> <zone>
  TZ=$2 WINEPREFIX=$1 wineserver -p </dev/null >/dev/null 2>&1 || true
  TZ=$2 WINEPREFIX=$1 setsid wine wineboot </dev/null >/dev/null 2>&1 || true
}

# CI ends with nothing left running; developers keep the servers between runs.
qv_stop_servers_in_ci() {
  if [ "${CI:-}" = true ]; then
    wineserver -k 2>/dev/null || true
    WINEPREFIX="$QV_DST_PREFIX" wineserver -k 2>/dev/null || true
    if [ "${QV_STARTED_XVFB:-}" = 1 ]; then pkill -f "Xvfb $DISPLAY" 2>/dev/null || true; fi
  fi
}
