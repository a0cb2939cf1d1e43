#!/usr/bin/env bash
# The built program ($1) takes no arguments: whatever is on its command line,
# toolkit options included, its window shows where and as it does without.
set -euo pipefail
source "$(dirname "$0")/x_session.sh" "$1"
echo '* { background: red }' > "$work/red.qss"

# The window's place, size and picture when started with the given arguments;
# the picture less the status bar, whose clock turns every second.
picture() {
    local x y width height
    start "$@"
    sleep 1
    read -r x y width height <<< "$(outer "$window")"
    echo "$x $y $width $height"
    xwd -silent -id "$window" | head -c -$((24 * width * 4)) | md5sum
    kill "${pids[0]}" && wait "${pids[0]}" || true
}

reference=$(picture)
failed=0
for arguments in '-reverse' '-style windows' '-stylesheet red.qss' '-geometry 300x200+0+0' \
    '-platform offscreen' '-display :99' '--no-such-option junk'; do
    [[ $(cd "$work" && picture $arguments) == "$reference" ]] ||
        { echo "tarvelle $arguments: the window differs"; failed=1; }
done
exit "$failed"
