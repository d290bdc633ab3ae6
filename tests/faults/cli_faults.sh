#!/usr/bin/env bash
# The real converter on a failing disk. Every failure must give its own message and exit
# status, keep the earlier output file as it was and leave no temporary file behind.
# Arguments: the converter, the fault shim to preload, the bundled examples.
set -uo pipefail
cli=$1 shim=$2 examples=$3
work=$(mktemp -d)
held_pid=
trap '[[ -n $held_pid ]] && kill "$held_pid" 2>/dev/null; chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
failures=0

fail() { echo "FAIL $case_name: $*"; failures=$((failures + 1)); }

# A fresh folder for the case with the example list and an earlier point file made from it.
begin() {
  case_name=$1
  dir=$work/$case_name
  mkdir "$dir" && chmod 777 "$dir" && cd "$dir" || exit 1
  cp "$examples/tour.pmf" list.pmf
  "$cli" convert -o out.pnt list.pmf >/dev/null || fail "the earlier file could not be made"
  cp out.pnt "$work/$case_name.earlier"
}

# expect STATUS MESSAGE -- COMMAND...: the command's exit status and its whole stderr, with
# the case's folder written as DIR.
expect() {
  local status=$1 message=$2
  shift 3
  "$@" >"$work/out" 2>"$work/err"
  local got=$?
  [[ $got == "$status" ]] || fail "exit status $got, expected $status"
  local said
  said=$(sed "s|$dir|DIR|g" "$work/err")
  [[ $said == "$message" ]] || fail "$(printf 'stderr:\n%s\nexpected:\n%s' "$said" "$message")"
}

# The earlier point file is still there, unchanged, and no temporary file is left.
expect_kept() {
  cmp -s "$dir/${1:-out.pnt}" "$work/$case_name.earlier" || fail "the earlier output changed"
  local left
  left=$(find "$dir" -name '*.tmp')
  [[ -z $left ]] || fail "temporary files left: $left"
}

# The superuser ignores permissions, so permission cases run as nobody.
as_user() {
  if [[ $(id -u) == 0 ]]; then
    setpriv --reuid=65534 --regid=65534 --clear-groups "$@"
  else
    "$@"
  fi
}

with_faults() { env LD_PRELOAD="$shim" ASAN_OPTIONS=verify_asan_link_order=0 "$@"; }

# --- the disk fills up in the middle of the write
begin disk_full_in_write
expect 1 "pinmover-cli: DIR/out.pnt へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。" -- \
  with_faults PINMOVER_FAULT_WRITE_SPACE=30000 "$cli" convert -o out.pnt list.pmf
expect_kept

# --- flushing the new file to the disk fails
begin flush_fails
expect 1 "pinmover-cli: DIR/out.pnt へのｱｸｾｽ中にﾊｰﾄﾞｳｪｱ I/O ｴﾗｰが報告されました。" -- \
  with_faults PINMOVER_FAULT_FSYNC=1 "$cli" convert -o out.pnt list.pmf
expect_kept

# --- a read error in the middle of the point list, past the reader's first block
begin read_error_in_list
{ for i in $(seq 3000); do echo "comment line $i of a long list"; done; cat list.pmf; } >long.pmf
expect 1 "pinmover-cli: 無題のﾌｧｲﾙ へのｱｸｾｽ中にﾊｰﾄﾞｳｪｱ I/O ｴﾗｰが報告されました。" -- \
  with_faults PINMOVER_FAULT_READ_BYTES=70000 "$cli" convert -o out.pnt long.pmf
expect_kept

# --- permission denied: the list, the earlier output, the output's folder
begin permission_denied
chmod 000 list.pmf
expect 1 "pinmover-cli: ファイル アクセス禁止
ERROR: ファイル list.pmf の読み込みに失敗しました" -- as_user "$cli" convert -o out.pnt list.pmf
chmod 644 list.pmf out.pnt
chmod 444 out.pnt
expect 1 'pinmover-cli: "out.pnt"

ファイル アクセス禁止' -- as_user "$cli" convert -o out.pnt list.pmf
expect_kept
mkdir locked && cp out.pnt locked/out.pnt && chmod 755 locked
expect 1 'pinmover-cli: "locked/new.pnt"

ファイル アクセス禁止' -- as_user "$cli" convert -o locked/new.pnt list.pmf
expect_kept locked/out.pnt
[[ ! -e locked/new.pnt ]] || fail "locked/new.pnt was written"

# --- a sharing violation: another process holds the file open, locked
begin sharing_violation
hold() {
  (exec 9<"$1" && flock -x 9 && touch "$work/held" && exec sleep 60) &
  held_pid=$!
  for _ in $(seq 100); do [[ -e $work/held ]] && return; sleep 0.05; done
  fail "the lock on $1 was not taken"
}
release() { kill "$held_pid"; wait "$held_pid" 2>/dev/null; held_pid=; rm -f "$work/held"; }
hold list.pmf
expect 1 "pinmover-cli: ファイルの共有違反です
ERROR: ファイル list.pmf の読み込みに失敗しました" -- "$cli" convert -o out.pnt list.pmf
release
hold out.pnt
expect 1 'pinmover-cli: "out.pnt"

SHARE.EXE 未ロードまたは共有領域ロック済み' -- "$cli" convert -o out.pnt list.pmf
release
expect_kept

# --- a folder where the output file should be
begin folder_in_the_way
mkdir folder.pnt && touch folder.pnt/inside
expect 1 'pinmover-cli: "folder.pnt"

ファイル アクセス禁止' -- "$cli" convert -o folder.pnt list.pmf
[[ -d folder.pnt && -e folder.pnt/inside ]] || fail "the folder was changed"
expect_kept

# --- the file system is full (room for the earlier file, not for a second one beside it) or
# read-only: a tmpfs in a mount namespace of our own, where the machine lets us make one
namespace=()
if unshare -m true 2>/dev/null; then
  namespace=(unshare -m)
elif unshare -r -m true 2>/dev/null; then
  namespace=(unshare -r -m)
fi
if ((${#namespace[@]} == 0)); then
  echo "SKIP real full and read-only file systems: no mount namespace here"
else
  begin full_file_system
  mkdir small
  "${namespace[@]}" bash -c "
    mount -t tmpfs -o size=100k tmpfs small && cp out.pnt small/out.pnt &&
    '$cli' convert -o small/out.pnt list.pmf 2>'$work/err'; echo \$? >'$work/status'
    cmp -s small/out.pnt out.pnt && echo kept >'$work/kept'
    find small -name '*.tmp' >'$work/left'"
  [[ $(cat "$work/status") == 1 ]] || fail "exit status $(cat "$work/status"), expected 1"
  [[ $(sed "s|$dir|DIR|g" "$work/err") == "pinmover-cli: DIR/small/out.pnt へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。" ]] ||
    fail "stderr: $(cat "$work/err")"
  [[ -e $work/kept ]] || fail "the earlier output changed"
  [[ ! -s $work/left ]] || fail "temporary files left: $(cat "$work/left")"
  rm -f "$work/kept"

  begin read_only_file_system
  mkdir ro
  "${namespace[@]}" bash -c "
    mount -t tmpfs tmpfs ro && cp out.pnt ro/out.pnt && mount -o remount,ro ro &&
    { '$cli' convert -o ro/out.pnt list.pmf; echo \$?; '$cli' convert -o ro/new.pnt list.pmf
      echo \$?; } >'$work/status' 2>'$work/err'
    cmp -s ro/out.pnt out.pnt && echo kept >'$work/kept'
    ls -A ro >'$work/left'"
  [[ $(echo $(cat "$work/status")) == "1 1" ]] || fail "exit statuses $(cat "$work/status"), expected 1 1"
  [[ $(cat "$work/err") == 'pinmover-cli: "ro/out.pnt"

ファイル アクセス禁止
pinmover-cli: "ro/new.pnt"

ファイル アクセス禁止' ]] || fail "stderr: $(cat "$work/err")"
  [[ -e $work/kept ]] || fail "the earlier output changed"
  [[ $(cat "$work/left") == out.pnt ]] || fail "files on the read-only system: $(cat "$work/left")"
fi

((failures == 0)) && echo "all fault cases passed"
exit $((failures > 0))
