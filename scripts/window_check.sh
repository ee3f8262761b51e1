#!/usr/bin/env bash
# Measures a first load, two flips and a first save in the real program, the
# way a user meets them: a new program on a virtual display, driven through
# its menus, its file dialog and its message box with xdotool, and counted
# with perf stat.
#
#   xvfb-run -a -s "-screen 0 1280x1024x24" bash scripts/window_check.sh 4096
#
# It writes a SIDE x SIDE texture set of random pixels, starts the program
# (build-tests/glimmerdeck, or $PROG), closes the tip of the day, loads the set
# through File > Load Texture Set, answers the "larger than it seems" message,
# moves the mouse over the left bin, and then runs Bin > Flip > Left Bin twice.
# Then Bin > Set Left bin to Right fills the Custom Texture Set's 2048 rows and
# File > Save Texture Set writes them to a new file (the count includes the
# file dialog closing and the message opening), beside ImageMagick's convert
# writing the same Targa from a PPM of the same size in a new process.
# It prints the program's CPU time for each step, the CPU time of a new
# process filling a fresh buffer of the picture's size (dd from /dev/zero, in
# the ordinary pages malloc hands out), and the memory the program keeps after
# the hover above its idle window. Needs xdotool, perf and ImageMagick
# (Debian: xdotool, linux-perf, imagemagick), and a display of at least
# 1280 x 1024 with no window manager.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
side=${1:-4096}
prog=${PROG:-$root/build-tests/glimmerdeck}
mib=$((side * side * 4 / 1048576))
# Seconds to wait for the load and for each flip: generous for large sets.
wait_load=$((2 + side * side / 40000000))
wait_flip=$((2 + side * side / 100000000))

work=$(mktemp -d)
trap 'rm -rf "$work"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true' EXIT
set_file="$work/set.tga"
hex() { printf '\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8)); }
{
  printf "\x00\x00\x02\x00\x00\x00\x00\x00\x00\x00\x00\x00$(hex "$side")$(hex "$side")\x18\x00"
  head -c $((side * side * 3)) /dev/urandom
} > "$set_file"

rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$pid/status"; }
cpu_ms() { awk -F, '/task-clock/ {printf "%.1f", $1}' "$1"; }
# Counts the program's CPU time from now for $2 seconds into file $1.
count() { perf stat -x, -e task-clock -p "$pid" -o "$1" -- sleep "$2" & counter=$!; sleep 0.5; }

"$prog" > "$work/program.log" 2>&1 &
pid=$!
sleep 3
# The tip of the day: its OK button.
tip=$(xdotool search --onlyvisible --name '^Tip of the Day$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$tip")"
xdotool mousemove $((X + 311)) $((Y + 20)) click 1
sleep 1
idle=$(rss_kb)

# File > Load Texture Set, the file's name typed into the dialog.
xdotool mousemove 20 8 click 1; sleep 0.7; xdotool key Down Down Return; sleep 2
xdotool type --delay 2 "$set_file"; sleep 1
count "$work/load" $((wait_load + 3))
xdotool key Return; sleep "$wait_load"
xdotool key Return; sleep 1 # the message
xdotool mousemove 100 150; sleep 0.3; xdotool mousemove 104 153
wait "$counter"
hovered=$(rss_kb)

for n in 1 2; do
  # Bin > Flip > Left Bin
  xdotool mousemove 54 8 click 1; sleep 0.7; xdotool key Down Down Down Right; sleep 0.7
  count "$work/flip$n" "$wait_flip"
  xdotool key Return
  wait "$counter"
done

# Bin > Set Left bin to Right, the question answered Yes; File > Save Texture
# Set, the new file's name typed into the dialog; the message.
xdotool mousemove 54 8 click 1; sleep 0.7; xdotool key Down Return; sleep 1
xdotool key Return; sleep 1
xdotool mousemove 20 8 click 1; sleep 0.7; xdotool key Down Return; sleep 2
xdotool type --delay 2 "$work/saved.tga"; sleep 0.5
count "$work/save" 2
xdotool key Return; sleep 1.2
xdotool key Return
wait "$counter"
saved=$(stat -c %s "$work/saved.tga")
{ printf 'P6\n256 2048\n255\n'; head -c $((256 * 2048 * 3)) /dev/urandom; } > "$work/set.ppm"
convert=$(command -v convert-im6.q16 || command -v convert) # Debian's own name first: convert may be a wrapper
perf stat -x, -e task-clock -o "$work/magick" -- "$convert" "$work/set.ppm" -type TrueColor -compress none \
  "$work/magick.tga"

perf stat -x, -e task-clock -o "$work/floor" -- dd if=/dev/zero of=/dev/null bs=${mib}M count=1 2>/dev/null
floor=$(cpu_ms "$work/floor")
for step in load flip1 flip2; do
  ms=$(cpu_ms "$work/$step")
  echo "$step: $ms ms, $(awk -v a="$ms" -v b="$floor" 'BEGIN {printf "%.2f", a / b}') x the floor"
done
echo "floor ($mib MiB fresh buffer): $floor ms"
echo "kept after load and hover: $(((hovered - idle) / 1024)) MiB for a $mib MiB picture"
echo "save of 2048 rows ($saved bytes): $(cpu_ms "$work/save") ms; ImageMagick writing the same Targa: $(cpu_ms "$work/magick") ms"
