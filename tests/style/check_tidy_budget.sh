#!/usr/bin/env bash
# The tidy stage's choice of files on a small tree of its own: scripts/sources-newest-first.sh
# puts work not committed first, then the files by their last commit (a header's commit
# counting for its .cpp), the ties in an order each commit shuffles, and without git the
# files' own times; scripts/tidy.sh --budget checks a prefix of that order, stops once its
# checks have used the budget's CPU time, and fails on a finding it reached.
#   check_tidy_budget.sh <the tree's root>
set -uo pipefail
source_root=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}
order() { "$source_root/scripts/sources-newest-first.sh" -C "$work/tree" "$@"; }

mkdir -p "$work/tree/a" "$work/tree/b" "$work/tree/elsewhere"
cd "$work/tree" || exit 1
git init -q
commit() {
  git add -A
  GIT_AUTHOR_DATE="@$1 +0000" GIT_COMMITTER_DATE="@$1 +0000" git -c user.name=t \
    -c user.email=t@t commit -q -m "at $1"
}
for name in a/one a/two a/three a/four b/five b/six; do echo "int x;" >"$name.cpp"; done
echo "int x;" >a/one.h
echo "int x;" >elsewhere/far.cpp
commit 1000000000
echo "int y;" >b/six.cpp
commit 1000000100
echo "int y;" >a/one.h
commit 1000000200
echo "int z;" >a/four.cpp
echo "int z;" >b/new.cpp

first=$(order a b | head -n 4 | tr '\n' ' ')
[[ $first == "a/four.cpp b/new.cpp a/one.cpp b/six.cpp " ]] ||
  [[ $first == "b/new.cpp a/four.cpp a/one.cpp b/six.cpp " ]] ||
  fail "not newest first (work not committed, a header's commit, then a file's): $first"
[[ $(order a b | wc -l) == 7 ]] || fail "the folders' files are not all listed: $(order a b)"
order a b | grep -q elsewhere && fail "a file outside the folders named is listed"
ties=$(order a b | tail -n 3 | tr '\n' ' ')
[[ $ties == "$(order a b | tail -n 3 | tr '\n' ' ')" ]] || fail "one tree, two orders"
commit 1000000300
echo "int w;" >elsewhere/far.cpp
commit 1000000400
[[ $(order a b | tail -n 3 | tr '\n' ' ') != "$ties" ]] ||
  fail "a new commit leaves the files that tie in the same order: $ties"

# A folder's subfolders are its own; one listed beside it (app/panel beside app) adds no file
# twice, or the stage would spend its budget checking one file two times.
mkdir a/sub
echo "int v;" >a/sub/deep.cpp
order a | grep -qx a/sub/deep.cpp || fail "a folder's subfolder is left out: $(order a)"
[[ $(order a/sub a b | grep -c '^a/sub/deep\.cpp$') == 1 ]] ||
  fail "a subfolder listed beside its folder has its files twice: $(order a/sub a b)"
rm -r a/sub
# A folder misnamed in the list would leave its files unchecked, the stage passing.
order a nowhere >/dev/null 2>&1 && fail "a folder that does not exist is passed over"
while read -r folder; do
  [[ -d $source_root/$folder ]] || fail "tests/style/tidy_clean.txt names no folder: $folder"
done < <(grep -v '^#' "$source_root/tests/style/tidy_clean.txt")

# A tree unpacked from an archive: the files' times, newest first.
cp -r "$work/tree" "$work/unpacked"
rm -rf "$work/unpacked/.git"
touch -d @1000000000 "$work/unpacked"/*/*
touch -d @1000000500 "$work/unpacked/b/five.cpp"
newest=$("$source_root/scripts/sources-newest-first.sh" -C "$work/unpacked" a b | head -n 1)
[[ $newest == b/five.cpp ]] || fail "without git, $newest comes first, not the newest file"

# A clang-tidy that spends a tenth of a second or more of CPU on each file and finds something
# only in bad.cpp.
cat >"$work/clang-tidy" <<EOF
#!/usr/bin/env bash
[[ \$1 == --version ]] && { echo "LLVM version 14.0.6"; exit 0; }
head -c 60000000 /dev/zero | sha256sum >/dev/null
echo "\${!#}" >>"$work/checked"
[[ \${!#} != *bad.cpp ]] || { echo "\${!#}:1:1: error: a finding [bugprone-x]"; exit 1; }
EOF
chmod +x "$work/clang-tidy"
mkdir "$work/build"
echo '[]' >"$work/build/compile_commands.json"
files=()
for i in $(seq 10 29); do files+=("f$i.cpp"); done
tidy() { CLANG_TIDY="$work/clang-tidy" "$source_root/scripts/tidy.sh" -p "$work/build" "$@"; }

tidy --budget 0.3 "${files[@]}" >"$work/out" 2>&1 || fail "a clean run failed: $(cat "$work/out")"
checked=$(sort "$work/checked" | tr '\n' ' ')
count=$(wc -l <"$work/checked")
((count >= 2 && count < 20)) || fail "a budget of 0.3 s checked $count files of 20"
[[ $checked == "$(printf '%s\n' "${files[@]:0:count}" | tr '\n' ' ')" ]] ||
  fail "not the first $count files in their order: $checked"
grep -q "not checked this time" "$work/out" || fail "the files left out are not named"

rm -f "$work/checked"
tidy --budget 0.3 f10.cpp bad.cpp "${files[@]}" >"$work/out" 2>&1 &&
  fail "a finding within the budget passed: $(cat "$work/out")"
grep -q "bad.cpp:1:1: error" "$work/out" || fail "the finding is not shown: $(cat "$work/out")"
exit 0
