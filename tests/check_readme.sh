#!/usr/bin/env bash
# Runs every command README.md shows a player (its ```sh blocks), as shown, from the source
# folder with the plain build in build/, and checks what each does against what README says:
# the first line printed, given after "#"; the game started, for the program alone; a make target
# that exists (make -n, which installs and builds nothing); the package that `make package` makes.
# Usage: check_readme.sh <source folder> <the package's file name>
set -u
source=$1 package=$2
cd "$source" || exit 2
status=0 commands=0
fail() { echo "FAIL: $*"; status=1; }

while IFS= read -r line; do
    command=${line%%#*} command=${command%"${command##*[![:space:]]}"}
    said=$([[ $line == *#* ]] && { said=${line#*#}; echo "${said# }"; })
    [ -n "$command" ] || continue
    commands=$((commands + 1))
    case $command in
        make\ *)
            make -n -C "$source" "${command#make }" >/dev/null 2>&1 || fail "'$command': no such make target"
            ;;
        sudo\ apt\ install\ *)
            [ "${command##*/}" = "$package" ] || fail "'$command': make package makes $package"
            ;;
        ./build/tarvo)  # the game starts and keeps running until stopped
            env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen timeout 3 ./build/tarvo >/dev/null 2>&1
            [ $? -eq 124 ] || fail "'$command' does not start the game"
            ;;
        *./build/tarvo*)
            first=$(env -u DISPLAY -u WAYLAND_DISPLAY -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG \
                bash -c "$command" 2>&1 | head -n 1)
            [ "$first" = "$said" ] || fail "'$command' says '$first', README says '$said'"
            ;;
        *)
            fail "README shows '$command', which this test does not know how to check"
            ;;
    esac
done < <(awk '/^```sh$/ { on = 1; next } /^```/ { on = 0 } on' README.md)

[ $commands -gt 0 ] || fail "README.md shows no command"
[ $status -eq 0 ] && echo "README: all $commands commands do what it says"
exit $status
