#!/usr/bin/env bash
# Drives the built zyf as a process: pipes, exit statuses and what lands on which stream.
# Usage: zyf_process_test.sh PATH-TO-ZYF
set -uo pipefail
zyf=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect NAME STATUS STDOUT STDERR-PREFIX -- command...
expect() {
  local name=$1 status=$2 out=$3 errprefix=$4
  shift 5
  "$@" >"$work/out" 2>"$work/err"
  local got=$?
  [ "$got" -eq "$status" ] || fail "$name: status $got, expected $status"
  [ "$(cat "$work/out")" == "$out" ] || fail "$name: stdout '$(cat "$work/out")', expected '$out'"
  case "$(cat "$work/err")" in
    "$errprefix"*) ;;
    *) fail "$name: stderr '$(cat "$work/err")', expected it to begin with '$errprefix'" ;;
  esac
}

run_in() { local input=$1; shift; printf '%s' "$input" | "$zyf" "$@"; }

expect "mixed" 0 "中（zhōng）文（wén）" "" -- run_in '中文' --mixed
expect "toneless" 0 "zhong wen" "" -- run_in '中文' -m toneless
expect "count" 0 "2" "" -- run_in '中文' --count
expect "gbk" 0 "中（zhōng）文（wén）" "" -- bash -c "printf '\\xd6\\xd0\\xce\\xc4' | '$zyf' --encoding gbk --mixed | iconv -f GBK -t UTF-8"
expect "invalid utf-8" 1 "" "zyf: invalid UTF-8 at byte 3" -- bash -c "printf '\\xe4\\xb8\\xad\\xff' | '$zyf'"
expect "missing file" 1 "" "zyf: cannot read $work/missing: No such file or directory" -- "$zyf" "$work/missing"
printf '中文' >"$work/good"
expect "a folder" 1 "" "zyf: cannot read $work: Is a directory" -- "$zyf" --encoding gbk "$work/good" "$work"
expect "bad option" 2 "" "zyf: unknown option --bogus" -- "$zyf" --bogus
grep -q '^usage: zyf' "$work/err" || fail "bad option: no usage on stderr"

# A big result, so the writes outlast the pipe's buffer.
for i in $(seq 1 4000); do printf '中文字音坊拼音转换测试'; done >"$work/big"
"$zyf" --mixed "$work/big" 2>"$work/err" | true
status=${PIPESTATUS[0]}
[ "$status" -eq 1 ] || fail "closed pipe: status $status, expected 1"
grep -q '^zyf: cannot write output: ' "$work/err" || fail "closed pipe: stderr '$(cat "$work/err")'"

"$zyf" "$work/big" >&- 2>"$work/err"
status=$?
[ "$status" -eq 1 ] || fail "closed stdout: status $status, expected 1"

if [ -w /dev/full ]; then
  "$zyf" "$work/big" >/dev/full 2>"$work/err"
  status=$?
  [ "$status" -eq 1 ] || fail "full device: status $status, expected 1"
fi

# The whole output, byte for byte, against the conversion of the same text in GBK.
"$zyf" --mixed "$work/big" >"$work/utf8" || fail "big: status $?"
iconv -f UTF-8 -t GBK "$work/big" | "$zyf" --mixed --encoding gbk | iconv -f GBK -t UTF-8 >"$work/viagbk"
cmp -s "$work/utf8" "$work/viagbk" || fail "big: UTF-8 and GBK runs differ"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all zyf process checks passed"
