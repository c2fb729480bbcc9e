# Helpers shared by the install and package checks; sourced, not run.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# copy_work_tree SOURCE_DIR DEST: the files of the working tree as git sees
# them (tracked ones and new ones it does not ignore), without .git.
copy_work_tree() {
    mkdir -p "$2"
    (cd "$1" && git ls-files -z --cached --others --exclude-standard \
        | xargs -0 cp --parents -t "$2" 2>/dev/null) || true
    [ -f "$2/CMakeLists.txt" ] || fail "could not copy the tree $1 into $2"
}

# compare_file_list ACTUAL EXPECTED WHAT: both files hold one path a line.
compare_file_list() {
    local actual=$1 expected=$2 what=$3 missing extra
    missing=$(LC_ALL=C comm -13 <(LC_ALL=C sort "$actual") <(LC_ALL=C sort "$expected"))
    extra=$(LC_ALL=C comm -23 <(LC_ALL=C sort "$actual") <(LC_ALL=C sort "$expected"))
    if [ -n "$missing" ] || [ -n "$extra" ]; then
        [ -z "$missing" ] || printf 'missing from the %s:\n%s\n' "$what" "$missing" >&2
        [ -z "$extra" ] || printf 'not expected in the %s:\n%s\n' "$what" "$extra" >&2
        fail "the $what does not hold exactly the expected files"
    fi
}

# An ELF program (PIE or not) with an interpreter, not a library or a script.
check_elf_program() {
    local path=$1 header
    [ -f "$path" ] || fail "$path does not exist"
    [ -x "$path" ] || fail "$path is not executable"
    header=$(readelf -h "$path" 2>&1) || fail "$path is not an ELF file: $header"
    grep -Eq 'Type:[[:space:]]+(EXEC|DYN)' <<<"$header" \
        || fail "$path is an ELF file but not a program"
    grep -q 'program interpreter' <<<"$(readelf -l "$path")" \
        || fail "$path has no program interpreter: not a program"
}

# No RPATH/RUNPATH: the program must find its libraries in the system dirs.
check_no_search_path() {
    local path=$1 dynamic
    dynamic=$(readelf -d "$path")
    if grep -Eq '\((RPATH|RUNPATH)\)' <<<"$dynamic"; then
        grep -E '\((RPATH|RUNPATH)\)' <<<"$dynamic" >&2
        fail "$path carries a library search path"
    fi
}

# png_size FILE: prints WIDTHxHEIGHT read from the PNG header.
png_size() {
    local b
    read -r -a b <<<"$(od -An -tu1 -j16 -N8 "$1" | tr '\n' ' ')"
    echo "$(( (b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3] ))x$(( (b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7] ))"
}
