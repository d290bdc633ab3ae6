#!/usr/bin/env bash
# The Wine session the Windows build's tests run in.
#
#   wine-session.sh start SESSION   prepare SESSION/prefix (once), start Xvfb on a free display
#                                   and a persistent wineserver for that prefix
#   wine-session.sh stop SESSION    stop exactly the Xvfb and wineserver that start recorded
#
# SESSION (the build's wine-session folder) holds the prefix, the display number and the
# process ids; scripts/wine-run.sh runs programs in it. Processes are only ever stopped by the
# ids recorded here, since other Wine sessions may run on the same machine.
set -euo pipefail

usage() {
  echo "usage: $0 start|stop SESSION-FOLDER" >&2
  exit 2
}
(($# == 2)) || usage
action=$1
session=$(realpath -m "$2")
prefix=$session/prefix

source "$(dirname "$0")/wine-common.sh"
source "$(dirname "$0")/required-commands.sh"
wine_environment "$session"
# No Mono or Gecko: their installers would wait for an answer on the invisible display.
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=$(wine_loader)

# How long a server gets to start; it is waited for only until it has.
start_limit=60

# The ids of the processes this run started.
started=()

# Whether the process recorded in file $1 is still there. One this run started is known by its
# id alone: until its shell has run program $2, its command line is still this script's. Any
# other must still be program $2, since ids get reused.
recorded_alive() {
  local file=$1 name=$2 pid
  [[ -s $file ]] || return 1
  pid=$(<"$file")
  if [[ " ${started[*]} " == *" $pid "* ]]; then
    kill -0 "$pid" 2>/dev/null
  else
    running "$file" "$name"
  fi
}

stop_recorded() {
  local file=$1 name=$2 signal=$3 pid
  if recorded_alive "$file" "$name"; then
    pid=$(<"$file")
    kill "-$signal" "$pid" 2>/dev/null || true
    for _ in $(seq 50); do
      recorded_alive "$file" "$name" || break
      sleep 0.1
    done
    if recorded_alive "$file" "$name"; then kill -KILL "$pid" 2>/dev/null || true; fi
  fi
  rm -f "$file"
}

# Runs the command after $1 in the background and records its id in file $1 and in started.
start_recorded() {
  local file=$1
  shift
  "$@" &
  started+=("$!")
  echo $! >"$file"
}

# Waits up to start_limit seconds for the test after $1 (a process id) to pass while that
# process lives. Returns 0 once the test passes, 1 when the process ended, 2 at the limit.
wait_for() {
  local pid=$1 deadline=$((SECONDS + start_limit))
  shift
  until "$@"; do
    if ! kill -0 "$pid" 2>/dev/null; then
      "$@" && return 0
      return 1
    fi
    ((SECONDS < deadline)) || return 2
    sleep 0.1
  done
}

# SIGINT is wineserver's orderly shutdown: it ends the prefix's Wine processes and writes the
# registry to the prefix before it exits (SIGTERM would leave the processes running).
# A server that had to be killed leaves its socket behind, which the next start would take for
# its own; so its folder goes with it.
stop_wineserver() {
  stop_recorded "$session/wineserver.pid" wineserver INT
  forget_server_folder
}

stop_session() {
  stop_wineserver
  stop_recorded "$session/xvfb.pid" Xvfb TERM
  rm -f "$session/display" "$session"/output.*
}

start_xvfb() {
  # -displayfd lets Xvfb take the first free display itself and tell us which, without races
  # against other sessions.
  rm -f "$session/display"
  start_recorded "$session/xvfb.pid" \
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$session/display" </dev/null >"$session/xvfb.log" 2>&1
  local status=0
  wait_for "$(<"$session/xvfb.pid")" test -s "$session/display" || status=$?
  case $status in
    1) echo "wine-session: Xvfb ended without a display; its log:" >&2
       cat "$session/xvfb.log" >&2
       exit 1 ;;
    2) echo "wine-session: Xvfb gave no display within $start_limit s; see $session/xvfb.log" >&2
       exit 1 ;;
  esac
  wine_environment "$session"
}

# The socket through which Wine's programs reach the server of this prefix. Wine names its
# folder after the prefix's device and inode, under /tmp/.wine-UID (Debian: /tmp/wine-XXXXXX).
server_socket_exists() {
  local device inode
  read -r device inode < <(stat -c '%d %i' "$prefix")
  compgen -G "/tmp/*wine-*/server-$(printf '%x-%x' "$device" "$inode")/socket" >/dev/null
}

# -f keeps wineserver in the foreground so that $! is its id. PERSISTENCE is -p (stay up
# between programs) or -p0 (orderly shutdown once the last program has ended).
start_wineserver() {
  local persistence=$1
  start_recorded "$session/wineserver.pid" \
    wineserver -f "$persistence" </dev/null >>"$session/wineserver.log" 2>&1
  # A Wine program started before the socket exists would start a server of its own.
  local status=0
  wait_for "$(<"$session/wineserver.pid")" server_socket_exists || status=$?
  case $status in
    1) echo "wine-session: wineserver ended without opening its socket; see" \
         "$session/wineserver.log" >&2
       exit 1 ;;
    2) echo "wine-session: wineserver opened no socket within $start_limit s; see" \
         "$session/wineserver.log" >&2
       exit 1 ;;
  esac
}

# The family name fontconfig gives IPA P Gothic, which stands in for the Japanese system font.
japanese_font() {
  local family
  family=$(fc-list :lang=ja family | tr ',' '\n' | grep -m1 -x 'IPAPGothic' || true)
  [[ -n $family ]] || family=$(fc-list :lang=ja family | head -n1 | cut -d, -f1)
  [[ -n $family ]] || {
    echo "wine-session: no Japanese font found (scripts/setup.sh installs fonts-ipafont-gothic)" >&2
    return 1
  }
  echo "$family"
}

# The settings the prefix gets, as a registry file: Japanese dialog fonts map to the IPA font,
# and windows are not handed to a window manager (there is none on Xvfb, and Wine would wait
# about two seconds for it whenever a window hides).
registry_settings() {
  local font=$1
  cat <<EOF
Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]
"ＭＳ Ｐゴシック"="$font"
"MS PGothic"="$font"
"MS Shell Dlg"="$font"

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="N"
EOF
}

# Wine draws the caption buttons (minimise, close) with the Marlett symbol font. Debian ships
# it in fonts-wine where this Wine does not look, and without it the buttons show as letters;
# the prefix's own font folder gets a copy.
add_symbol_font() {
  local font=/usr/share/wine/fonts/marlett.ttf fonts=$prefix/drive_c/windows/Fonts
  [[ -f $fonts/marlett.ttf ]] && return
  [[ -f $font ]] || {
    echo "wine-session: $font is missing (scripts/setup.sh installs fonts-wine)" >&2
    return 1
  }
  mkdir -p "$fonts"
  cp "$font" "$fonts/marlett.ttf"
}

# A prefix is reused when it was completed with the same Wine and the same settings; anything
# else (a fresh clone, an interrupted first start, an upgraded Wine) makes it anew.
prepare_prefix() {
  local font settings stamp
  font=$(japanese_font)
  settings=$(registry_settings "$font")
  stamp=$("$wine" --version)$'\n'$(sha256sum <<<"$settings" | cut -d' ' -f1)
  if [[ -f $prefix/.pinmover-ready && $(<"$prefix/.pinmover-ready") == "$stamp" ]]; then
    add_symbol_font
    return
  fi
  echo "wine-session: making the Wine prefix $prefix (once)"
  rm -rf "$prefix"
  mkdir -p "$prefix"
  printf '\xFF\xFE' >"$session/settings.reg"
  printf '%s\r\n' "$settings" | iconv -f UTF-8 -t UTF-16LE >>"$session/settings.reg"
  # The first program of a new prefix makes it (wineboot) before it runs. When it has ended,
  # the server ends the prefix's background programs, writes the registry out and exits;
  # only then is the prefix complete.
  start_wineserver -p0
  "$wine" regedit /S "$(winepath_of "$session/settings.reg")" \
    </dev/null >>"$session/wineboot.log" 2>&1
  for _ in $(seq 300); do
    recorded_alive "$session/wineserver.pid" wineserver || break
    sleep 0.1
  done
  stop_wineserver
  if ! grep -q '^"Managed"="N"' "$prefix/user.reg" 2>/dev/null; then
    echo "wine-session: the prefix did not take its settings; see $session/wineboot.log" >&2
    exit 1
  fi
  add_symbol_font
  echo "$stamp" >"$prefix/.pinmover-ready"
}

# Debian's Wine keeps the server's folder in /tmp under a name it records in the prefix; with
# the server gone it is left over, and Wine makes it again when needed.
forget_server_folder() {
  local name
  name=$(cat "$prefix/wineserver" 2>/dev/null || true)
  if [[ $name == wine-* && -d /tmp/$name ]]; then rm -rf "/tmp/$name"; fi
}

# Unix paths are reachable through Wine's Z: drive.
winepath_of() { echo "Z:${1//\//\\}"; }

case $action in
  start)
    missing=$(missing_commands Xvfb wineserver fc-list iconv)
    if [[ -n $missing ]]; then
      echo "wine-session: missing ${missing//$'\n'/, }; scripts/setup.sh installs it" >&2
      exit 1
    fi
    mkdir -p "$session"
    stop_session  # whatever an interrupted earlier run left behind
    # A start that fails or is given up half-way leaves nothing running.
    trap 'status=$?; ((status == 0)) || stop_session' EXIT
    start_xvfb
    prepare_prefix
    start_wineserver -p
    # Wine's background services start with the first program; started here, they write to
    # the session's log rather than holding on to a test's output.
    "$wine" wineboot </dev/null >>"$session/wineboot.log" 2>&1
    echo "wine-session: display $DISPLAY, prefix $prefix"
    ;;
  stop)
    stop_session
    ;;
  *)
    usage
    ;;
esac
