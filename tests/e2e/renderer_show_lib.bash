# Helpers of the renderer_show scripts (sourced after lib.sh): the sprite the
# host would write, the renderer's X window, and screenshots read back as
# numbers.

SHOW_TITLE="Kestrovalinde_VC"

# A 32 x 32, 24-bit, bottom-up bitmap of a soft white glow, as the host's
# sprite is.
show_write_sprite() {
  local path="$1"
  mkdir -p "$(dirname "$path")"
  convert -size 32x32 radial-gradient:white-black -type TrueColor "BMP3:$path" ||
    e2e_fail "could not write the sprite $path"
  # Offset 28: bits per pixel, offset 14: header size 40.
  [ "$(od -An -tu2 -j28 -N2 "$path" | tr -d ' ')" = 24 ] || e2e_fail "sprite is not 24-bit"
  [ "$(od -An -tu4 -j14 -N4 "$path" | tr -d ' ')" = 40 ] || e2e_fail "sprite header is not 40 bytes"
}

# Prints the X window id of the renderer's window once it is shown on the
# screen; $1 seconds at most.
show_find_window() {
  local seconds="$1" tries=0 id
  while [ "$tries" -lt $((seconds * 20)) ]; do
    id="$(xdotool search --onlyvisible --name "^${SHOW_TITLE}\$" 2>/dev/null | head -1)"
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.05
    tries=$((tries + 1))
  done
  return 1
}

# True while an X window titled like the renderer's exists.
show_window_exists() {
  [ -n "$(xdotool search --name "^${SHOW_TITLE}\$" 2>/dev/null | head -1)" ]
}

# Takes a screenshot of the whole screen into $1.
show_screenshot() {
  import -silent -window root "$1" 2>/dev/null || e2e_fail "screenshot $1 failed"
}

# Region of the screen inside the renderer's client area on any frame style:
# the middle 600 x 400 of its 1024 x 768 window at 0, 0, where the cloud
# is born. As ImageMagick geometry.
SHOW_MIDDLE="600x400+212+184"

# Prints "max mean red green blue" of the region $2 of picture $1, each as a
# fraction of full brightness.
show_region_stats() {
  convert "$1" -crop "$2" +repage -format \
    '%[fx:maxima] %[fx:mean] %[fx:mean.r] %[fx:mean.g] %[fx:mean.b]\n' info: 2>/dev/null
}

# Compares two numbers with awk: show_is "$a" '>' "$b".
show_is() {
  awk -v a="$1" -v b="$3" "BEGIN { exit !(a $2 b) }"
}
