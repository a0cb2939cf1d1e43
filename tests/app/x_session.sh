# Sourced by the tests that watch the built program ($1) on a virtual X screen
# from outside, as a user sees it. Starts the screen, with a window manager that
# frames windows when "framed" is passed, and stops all it started on exit.
program=$(realpath "$1")
for tool in Xvfb xdotool xwininfo xwd ${2:+openbox}; do
    command -v "$tool" > /dev/null ||
        { echo "SKIP: $tool is missing; scripts/ensure-packages.sh installs it"; exit 77; }
done
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2> /dev/null; wait; rm -rf "$work"' EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" 2> /dev/null &
pids=("$!")
for _ in {1..100}; do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=:$(< "$work/display") QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$work
if [[ -n ${2:-} ]]; then
    # Windows mapped before it has finished starting are left unmanaged.
    openbox --sm-disable --startup "touch $work/managing" &> /dev/null &
    pids=("$!" "${pids[@]}")
    for _ in {1..100}; do [[ -e $work/managing ]] && break; sleep 0.1; done
fi

# Starts the program with the given arguments; sets `window` to its main window.
start() {
    "$program" "$@" > /dev/null 2>&1 &
    pids=("$!" "${pids[@]}")
    window=$(await 'Tarvelle') ||
        { kill "${pids[0]}" 2> /dev/null; echo "tarvelle $*: no window" >&2; exit 1; }
}

# The id of the visible window titled $1, once it shows.
await() {
    timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1
}

# "x y width height" of window $1 as a whole: its frame when it has one.
outer() {
    local id=$1 parent
    parent=$(xwininfo -children -id "$id" | awk '/^ *Parent window id/ { print $4 }')
    xwininfo -children -id "$id" | grep -q 'Parent window id: .*(the root window)' || id=$parent
    xwininfo -id "$id" | awk '/Absolute upper-left [XY]/ || /^ *(Width|Height):/ { printf "%s ", $NF }'
}

# outer() once the window has stopped moving.
settled() {
    local last='' now
    for _ in {1..25}; do
        now=$(outer "$1")
        [[ $now == "$last" ]] && break
        last=$now
        sleep 0.2
    done
    echo "$now"
}
