# The settings dialog's layer of the end-to-end library (sourced after
# core.bash): the dialog's folder and settings file, where its controls are
# on the screen, clicks there and the colours read back.

# The file chooser's title.
CHOOSER_TITLE='ﾌｧｲﾙを開く'

# settings_prepare_folder <folder>: the host and a stand-in renderer
# (start-up only checks that the file exists) in a fresh Unix folder.
settings_prepare_folder() {
  rm -rf "$1"
  mkdir -p "$1"
  cp "$E2E_HOST_EXE" "$1/Kestrovalinde.scr"
  printf 'stand-in renderer\n' >"$1/$RENDERER_FILE_NAME"
}
settings_expected_ini() {  # settings_expected_ini <kind> <track> <file>: as Wine writes it
  printf '[%s]\r\n%s=%s\r\n%s=%s\r\n%s=%s\r\n' "$SETTINGS_SECTION" \
    "$SETTINGS_KEY_KIND" "$1" "$SETTINGS_KEY_REPEAT_TRACK" "$2" "$SETTINGS_KEY_FILE" "$3"
}

# The X window of a Wine window by its exact title, compared as UTF-8: the
# Latin-1 WM_NAME cannot hold Japanese, so search --name misses such titles.
window_named() {  # window_named <title>
  local w
  for w in $(e2e_xdo search --name '.'); do
    if [ "$(e2e_xdo getwindowname "$w")" = "$1" ]; then echo "$w"; return 0; fi
  done
  return 1
}
settings_dialog_shown() { e2e_find_x_window "$SETTINGS_WINDOW_TITLE"; }
settings_dialog_or_host_end() { settings_dialog_shown || e2e_ended "$dialog_pid"; }

# Fills probe_* with the dialog's geometry and its track box's state.
settings_probe() {
  local what a b c d texts hex
  probe_client_x=''
  while read -r what a b c d; do
    case "$what" in
      window) probe_left=$a probe_top=$b probe_right=$c probe_bottom=$d ;;
      client) probe_client_x=$a probe_client_y=$b probe_client_w=$c probe_client_h=$d ;;
      screen) probe_screen_w=$a probe_screen_h=$b ;;
    esac
  done < <(e2e_probe geometry "$SETTINGS_WINDOW_TITLE")
  read -r _ probe_combo_enabled hex < <(e2e_probe texts "$SETTINGS_WINDOW_TITLE" | grep -i '^ComboBox ')
  probe_combo_text="$(printf "$(sed 's/../\\x&/g' <<<"${hex:-}")")"
  [ -n "$probe_client_x" ]
}

# Starts the dialog of a folder and waits for it; the host's pid in dialog_pid.
settings_open() {  # settings_open <folder>
  # The pointer away from where the dialog opens: a button under it shows its
  # highlight, and the display is shared with the runs before (a click on
  # Save leaves the pointer where the next dialog's Save button appears).
  e2e_xdo mousemove 0 0
  e2e_host_guard_clear
  e2e_start "$1/Kestrovalinde.scr" /c
  dialog_pid="$E2E_PID"
  # The first start in a prefix just made (the DPI and code page runs) can
  # take Wine well over half a minute.
  e2e_wait_for 90 settings_dialog_or_host_end
  settings_dialog_shown || e2e_fail "the dialog did not open: \
$(e2e_window_report "$dialog_pid" "$E2E_PID_OUTPUT"); $(e2e_host_guard_report)"
  sleep 1.5
  settings_probe || e2e_fail "the probe did not find the dialog"
}

# Screen position of a point given in twips inside the dialog's client area
# (15 twips per pixel), or inside the panel Pic_C(0).
PANEL_LEFT_TWIPS=180
PANEL_TOP_TWIPS=240
client_point() {  # client_point <x twips> <y twips> [dx dy pixels] -> "x y"
  echo "$(( probe_client_x + $1 / 15 + ${3:-0} )) $(( probe_client_y + $2 / 15 + ${4:-0} ))"
}
panel_point() {
  client_point $(( PANEL_LEFT_TWIPS + $1 )) $(( PANEL_TOP_TWIPS + $2 )) "${3:-0}" "${4:-0}"
}

# Designer geometry (twips): kind marks and labels indexed by kind, in the panel.
mark_twips=("420 1140" "420 840" "420 1440")
label_twips=("660 1140" "660 840" "660 1440")
TRACK_BOX="1680 780"
FILE_BUTTON="420 1740"
SAVE_BUTTON="4860 3000"
CANCEL_BUTTON="6060 3000"

# Moves the pointer there (a move the controls see) and clicks.
click_at() {  # click_at <x> <y>
  e2e_xdo mousemove "$1" "$2"
  sleep 0.15
  e2e_xdo mousemove_relative 1 0
  sleep 0.15
  e2e_xdo click 1
  sleep 0.4
}

click_twips_panel() { click_at $(panel_point $1 $2 6 6); }
click_twips_client() { click_at $(client_point $1 $2 6 6); }

# The colour of one screen pixel as "r,g,b" (0-255).
pixel_at() {
  import -silent -window root -crop "1x1+$1+$2" +repage -depth 8 txt:- 2>/dev/null |
    sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
# True when each channel of "r,g,b" is within the tolerance of the expected.
colour_near() {  # colour_near <r,g,b actual> <r,g,b expected> <tolerance>
  local IFS=,
  local -a a=($1) e=($2)
  [ "${#a[@]}" -eq 3 ] || return 1
  local i d
  for i in 0 1 2; do
    d=$(( a[i] - e[i] ))
    [ "${d#-}" -le "$3" ] || return 1
  done
}
# The screen shows a control's new state once the dialog has taken the click
# and painted: a colour is looked for until it shows, within a bound.
SETTINGS_SETTLE_S=10
# colour_shows <x> <y> <r,g,b expected> <tolerance>: the pixel read last is
# in colour_seen.
colour_shows() {
  colour_seen="$(pixel_at "$1" "$2")"
  colour_near "$colour_seen" "$3" "$4"
}
e2e_colour() {  # e2e_colour <description> <x> <y> <r,g,b expected> [tolerance]
  e2e_wait_for "$SETTINGS_SETTLE_S" colour_shows "$2" "$3" "$4" "${5:-0}" ||
    e2e_fail "$1: expected $4, got $colour_seen at $2,$3"
  echo "ok: $1 ($colour_seen)"
}
# The track box's state as the probe reads it: enabled 1 or 0, then its text.
track_box_reads() { settings_probe && [ "$probe_combo_enabled $probe_combo_text" = "$1" ]; }
# settings_expect_track_box <description> <"enabled text">: that state, once
# it shows.
settings_expect_track_box() {
  e2e_wait_for "$SETTINGS_SETTLE_S" track_box_reads "$2"
  e2e_equal "$1" "$2" "$probe_combo_enabled $probe_combo_text"
}
