# Sourced by wine-session.sh and wine-run.sh: how the programs of a Wine session are run and
# how the session's own processes are recognised.

# The environment of the programs of the session in folder $1: its prefix and display, and a
# plain non-Japanese system (Wine's ANSI code page is then 1252).
wine_environment() {
  export LANG=C.UTF-8 LC_ALL=C.UTF-8
  export WINEPREFIX=$1/prefix WINEARCH=win64 WINEDEBUG=-all
  if [[ -s $1/display ]]; then
    export DISPLAY=":$(tr -d '[:space:]' <"$1/display")"
  else
    unset DISPLAY
  fi
}

# Debian installs the 64-bit loader as wine64 or behind the wine wrapper.
wine_loader() {
  command -v wine64 || command -v wine || {
    echo "wine: not installed (scripts/setup.sh installs it)" >&2
    return 1
  }
}

# Whether the process id recorded in file $1 still belongs to program $2 (ids get reused).
running() {
  local file=$1 name=$2 pid command
  [[ -s $file ]] || return 1
  pid=$(<"$file")
  command=$(tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline") || return 1
  [[ $command == *"$name"* ]]
}
