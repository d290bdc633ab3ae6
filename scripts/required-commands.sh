# Sourced by setup.sh and the scripts that need a command a fresh Debian may lack: every
# command that the build, the tests and the scripts run, with the Debian package that brings
# it. bash, coreutils, grep and sed go without saying.
required_commands=(
  # the builds
  cmake:cmake ctest:cmake ninja:ninja-build g++:g++ clang++:clang
  x86_64-w64-mingw32-g++-posix:g++-mingw-w64-x86-64-posix
  x86_64-w64-mingw32-gcc-posix:gcc-mingw-w64-x86-64-posix
  x86_64-w64-mingw32-windres:binutils-mingw-w64-x86-64
  llvm-profdata:llvm llvm-cov:llvm cc:gcc
  # the Windows package
  git:git x86_64-w64-mingw32-objdump:binutils-mingw-w64-x86-64
  x86_64-w64-mingw32-strip:binutils-mingw-w64-x86-64
  # the Wine session and the screenshot
  wine:wine wineserver:wine Xvfb:xvfb fc-list:fontconfig iconv:libc-bin
  xwininfo:x11-utils import:imagemagick
  # the tests' scripts
  jq:jq /usr/bin/time:time perl:perl-base python3:python3 awk:mawk diff:diffutils cmp:diffutils
  find:findutils
  unshare:util-linux setpriv:util-linux flock:util-linux mount:mount
)

# Prints "COMMAND (Debian package PACKAGE)" for each of the commands given that is not there.
missing_commands() {
  local command entry package
  for command in "$@"; do
    command -v "$command" >/dev/null && continue
    package="not listed in scripts/required-commands.sh"
    for entry in "${required_commands[@]}"; do
      [[ ${entry%:*} == "$command" ]] && package="Debian package ${entry##*:}"
    done
    echo "$command ($package)"
  done
}
