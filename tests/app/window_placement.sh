#!/usr/bin/env bash
# The built program ($1) under a window manager that frames its windows: the
# main window opens centred on the screen and the About window on the main
# window, each as a whole, frame included, on every showing.
set -euo pipefail
source "$(dirname "$0")/x_session.sh" "$1" framed
failed=0

# $1 named, its outer x y w h centred within one pixel on the x y w h after it.
centred() {
    local dx=$(($2 * 2 + $4 - $6 * 2 - $8)) dy=$(($3 * 2 + $5 - $7 * 2 - $9))
    echo "$1: ${4}x$5 at $2,$3, centre off by $(awk "BEGIN { printf \"%g,%g\", $dx / 2, $dy / 2 }")"
    ((dx * dx <= 4 && dy * dy <= 4)) || failed=1
}

start
centred 'main window' $(settled "$window") 0 0 $(xdotool getdisplaygeometry)
# Between showings the user moves the main window; the About window follows it.
for showing in 'first 40 30' 'second 300 200' 'third 0 0'; do
    read -r showing x y <<< "$showing"
    xdotool key alt+h && sleep 0.3 && xdotool key a
    about=$(await 'About Tarvelle')
    centred "About window, $showing showing" $(settled "$about") $(outer "$window")
    xdotool key Escape
    for _ in {1..50}; do xdotool search --onlyvisible --name '^About Tarvelle$' > /dev/null || break; sleep 0.1; done
    xdotool windowmove "$window" "$x" "$y"
    sleep 0.3
done
exit "$failed"
