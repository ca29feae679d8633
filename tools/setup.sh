#!/usr/bin/env bash
# Idempotent set-up of the platform: Debian packages, the Wine prefixes with the
# Ming face mapping, and the PDF printer. Runs as root on a fresh machine.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

mkdir -p "$QV_ROOT/build" "$QV_OUT"
# Several ./qv commands may start at once: one set-up at a time.
exec 9>"$QV_ROOT/build/.setup.lock"
flock 9

PACKAGES=(
  wine wine64 libwine                       # Windows USER/GDI/COM, 64-bit
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
  libz-mingw-w64-dev                        # zip/deflate for .docx
  cmake ninja-build googletest              # build and tests
  xvfb xauth x11-utils                      # a display without a screen
  fonts-arphic-uming                        # AR PL UMing TW, the Ming face
  fonts-wine                                # Tahoma and the other faces Windows programs expect
  cups cups-client cups-bsd printer-driver-cups-pdf   # the PDF printer
  poppler-utils                             # pdftotext, pdftoppm for printing tests
  imagemagick                               # looking at screenshots
  clang-format                              # the source format that ./qv test checks
  chromium                                  # renders exported HTML reports headless
  python3-docx                              # opening the .docx files the Word stand-in saves
)

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "setup: installing ${missing[*]}"
  apt-get update -q >/dev/null
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
}

# Wine's font replacements make a font asked for as "新細明體" or "PMingLiU" the Ming
# face, reporting the asked-for name. regedit only reads this key right from a UTF-16LE
# file with a byte-order mark.
write_font_reg() {
  local reg=$1
  {
    printf '\xff\xfe'
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
      '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
      '"新細明體"="AR PL UMing TW"' \
      '"PMingLiU"="AR PL UMing TW"' '' \
      '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]' \
      '"新細明體"="AR PL UMing TW"' \
      '"PMingLiU"="AR PL UMing TW"' '' | iconv -f UTF-8 -t UTF-16LE
  } >"$reg"
}

make_prefix() {   # make_prefix <prefix> <zone>
  local prefix=$1 zone=$2
  [ -f "$prefix/.qv-ready" ] && return
  echo "setup: creating Wine prefix $prefix"
  rm -rf "$prefix"
  WINEPREFIX="$prefix" TZ="$zone" wineboot -i >/dev/null 2>&1 || true
  write_font_reg "$QV_ROOT/build/fonts.reg"
  WINEPREFIX="$prefix" TZ="$zone" wine regedit "Z:${QV_ROOT//\//\\}\\build\\fonts.reg" >/dev/null 2>&1
  WINEPREFIX="$prefix" wineserver -w
  touch "$prefix/.qv-ready"
}

# Windows that no window manager handles: Wine draws their frames and captions itself
# (screenshots show them) and destroys them at once instead of waiting 2 s for a
# window manager that Xvfb does not have.
unmanaged_windows() {   # unmanaged_windows <prefix> <zone>
  grep -q '^"Managed"="N"' "$1/user.reg" 2>/dev/null && return
  WINEPREFIX="$1" TZ="$2" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
}

# Debian's Wine looks for its own fonts in a folder it cannot open, so without this
# "Tahoma" (and "MS Shell Dlg") quietly falls back to the Ming face.
wine_fonts() {   # wine_fonts <prefix>
  cp -n /usr/share/wine/fonts/*.ttf "$1/drive_c/windows/Fonts/" 2>/dev/null || true
}

# A Traditional Chinese desktop shows captions, menus and message boxes in the Ming
# face; Wine's own UI face (Tahoma) has no Chinese glyphs. The window metrics hold
# those fonts as binary LOGFONTW records.
ui_fonts() {   # ui_fonts <prefix> <zone>
  [ -f "$1/.qv-uifonts" ] && return
  local key='HKCU\Control Panel\Desktop\WindowMetrics'
  local name weight
  for name in CaptionFont SmCaptionFont MenuFont MessageFont StatusFont IconFont; do
    weight=400
    [ "$name" = CaptionFont ] && weight=700
    WINEPREFIX="$1" TZ="$2" wine reg add "$key" /v "$name" /t REG_BINARY \
      /d "$(logfont_hex -12 "$weight" 新細明體)" /f >/dev/null 2>&1
  done
  touch "$1/.qv-uifonts"
}

# logfont_hex <height> <weight> <face>: a LOGFONTW (default charset) as hex digits.
logfont_hex() {
  python3 - "$@" <<'PY'
import struct, sys
height, weight, face = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
name = face.encode('utf-16-le').ljust(64, b'\0')[:64]
print((struct.pack('<5l8B', height, 0, 0, 0, weight, 0, 0, 0, 1, 0, 0, 0, 0) + name).hex())
PY
}

setup_printer() {
  if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    echo "setup: starting cupsd"
    cupsd
    for _ in $(seq 50); do lpstat -r 2>/dev/null | grep -q "is running" && break; sleep 0.2; done
  fi
  if ! lpstat -p PDF >/dev/null 2>&1; then
    echo "setup: adding the PDF queue (output in $QV_PDF_DIR)"
    lpadmin -p PDF -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
    lpadmin -p PDF -o PageSize=A4 -o Resolution=300dpi >/dev/null 2>&1 || true
  fi
  # Printed jobs land in the user's PDF folder.
  if ! grep -q '^Out \${HOME}/PDF' /etc/cups/cups-pdf.conf 2>/dev/null; then
    sed -i 's|^#\{0,1\}Out .*|Out ${HOME}/PDF|' /etc/cups/cups-pdf.conf
  fi
  mkdir -p "$QV_PDF_DIR"
}

# The Word stand-in (wordserver.exe of the build folder QV_BUILD names: the debug
# build's, or the release build's for ./qv bench) as the local server of
# Word.Application, so that COM starts it as it would start Word. The build may
# come later: the keys only name the program.
register_word_server() {   # register_word_server <prefix> <zone>
  local exe="Z:${QV_BUILD_DIR//\//\\}\\bin\\wordserver.exe"
  local stamp="$1/.qv-wordserver"
  [ "$(cat "$stamp" 2>/dev/null)" = "$exe" ] && return
  local clsid='{000209FF-0000-0000-C000-000000000046}' reg="$QV_ROOT/build/wordserver.reg"
  {
    printf '\xff\xfe'
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
      '[HKEY_CLASSES_ROOT\Word.Application]' '@="Microsoft Word Application (QVCtrl stand-in)"' '' \
      '[HKEY_CLASSES_ROOT\Word.Application\CLSID]' "@=\"$clsid\"" '' \
      "[HKEY_CLASSES_ROOT\\CLSID\\$clsid]" '@="Microsoft Word Application (QVCtrl stand-in)"' '' \
      "[HKEY_CLASSES_ROOT\\CLSID\\$clsid\\LocalServer32]" "@=\"${exe//\\/\\\\}\"" '' \
      "[HKEY_CLASSES_ROOT\\CLSID\\$clsid\\ProgID]" '@="Word.Application"' '' | iconv -f UTF-8 -t UTF-16LE
  } >"$reg"
  WINEPREFIX="$1" TZ="$2" wine regedit "Z:${reg//\//\\}" >/dev/null 2>&1
  echo "$exe" >"$stamp"
}

install_packages
make_prefix "$WINEPREFIX" "$TZ"
make_prefix "$QV_DST_PREFIX" America/New_York
unmanaged_windows "$WINEPREFIX" "$TZ"
unmanaged_windows "$QV_DST_PREFIX" America/New_York
wine_fonts "$WINEPREFIX"
wine_fonts "$QV_DST_PREFIX"
ui_fonts "$WINEPREFIX" "$TZ"
ui_fonts "$QV_DST_PREFIX" America/New_York
setup_printer
register_word_server "$WINEPREFIX" "$TZ"
register_word_server "$QV_DST_PREFIX" America/New_York
