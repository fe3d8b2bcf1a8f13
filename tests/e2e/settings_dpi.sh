#!/usr/bin/env bash
# The settings dialog (/c) at 144 dots per inch lays itself out anew instead
# of being stretched: its client area and every control's rectangle are 1.5
# times those at 96 dpi, within a pixel, and the kind marks' pictures grow
# with their controls. The 144-dpi run has a prefix of its own (Wine's
# LogPixels is set for the whole prefix), so the other tests keep 96 dpi.
source "$(dirname "$0")/lib/core.bash"
source "$(dirname "$0")/lib/settings.bash"

readonly DPI_PREFIX="$e2e_root/build/wineprefix-dpi144"
readonly HIGH_DPI=144
readonly HIGH_TWIPS_PER_PIXEL=10
folder="$E2E_WORK/saver"

# measure <file>: opens the dialog with an audio CD chosen, writes its client
# size and its child windows' rectangles to the file, and closes it again.
measure() {
  settings_prepare_folder "$folder"
  e2e_write_settings "$folder" 1 0 ""
  settings_open "$folder"
  { echo "client 0 0 $probe_client_w $probe_client_h"; e2e_probe rects "$SETTINGS_WINDOW_TITLE"; } >"$1"
  [ "$(wc -l <"$1")" -gt 1 ] || e2e_fail "the probe listed no controls"
}
close_dialog() {
  e2e_probe close "$SETTINGS_WINDOW_TITLE" || e2e_fail "could not close the dialog"
  e2e_wait_exit "$dialog_pid" 15 || e2e_fail "the host did not end"
}

# The prefix at 144 dpi, made once.
use_high_dpi_prefix() {
  export WINEPREFIX="$DPI_PREFIX"
  kestro_wine_prefix_ready || e2e_fail "no Wine prefix at $DPI_PREFIX"
  [ -f "$WINEPREFIX/kestro-dpi.reg" ] && return 0
  local dword; dword="$(printf 'dword:%08x' "$HIGH_DPI")"
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"LogPixels"=%s\r\n\r\n[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts]\r\n"LogPixels"=%s\r\n' \
    "$dword" "$dword" >"$WINEPREFIX/kestro-dpi.reg.new"
  kestro_wine regedit /s "$(e2e_windows_path "$WINEPREFIX/kestro-dpi.reg.new")" >/dev/null 2>&1 ||
    e2e_fail "could not set LogPixels"
  /usr/lib/wine/wineserver -w 2>/dev/null
  mv "$WINEPREFIX/kestro-dpi.reg.new" "$WINEPREFIX/kestro-dpi.reg"
}

echo "--- 96 dpi"
measure "$E2E_WORK/at96"
close_dialog
cat "$E2E_WORK/at96"

echo "--- 144 dpi"
use_high_dpi_prefix
/usr/lib/wine/wineserver -k 2>/dev/null   # this prefix's own server, to read the value anew
measure "$E2E_WORK/at144"
cat "$E2E_WORK/at144"

e2e_equal "the same controls in the same order" "$(cut -d' ' -f1 "$E2E_WORK/at96")" \
  "$(cut -d' ' -f1 "$E2E_WORK/at144")"
# Every coordinate at 144 dpi is 1.5 times its 96-dpi value, within a pixel.
# The combo box's own edit field is left out: the system places it inside
# the combo box after its border and drop button, which follow the system's
# metrics, not the dialog's layout.
off="$(paste -d' ' "$E2E_WORK/at96" "$E2E_WORK/at144" | awk '
  $1 == "Edit" { next }
  { for (i = 2; i <= 5; ++i) { d = $(i + 5) - 1.5 * $i; if (d > 1 || d < -1) { print NR ": " $0; next } } }')"
[ -z "$off" ] || e2e_fail "not scaled by 1.5:"$'\n'"$off"
echo "ok: client area and $(grep -vc '^Edit ' "$E2E_WORK/at144" | awk '{ print $1 - 1 }') control rectangles scale by 1.5"
read -r _ combo_left combo_top combo_right combo_bottom < <(grep '^ComboBox ' "$E2E_WORK/at144")
read -r _ edit_left edit_top edit_right edit_bottom < <(grep '^Edit ' "$E2E_WORK/at144")
e2e_check "the combo box's edit field lies inside it" e2e_is "$(( edit_left >= combo_left &&
  edit_top >= combo_top && edit_right <= combo_right && edit_bottom <= combo_bottom ))" '==' 1

# The selected kind mark (audio CD) is a 12 x 12 picture at 96 dpi: at 144 dpi
# it fills 18 x 18 pixels of its control, blue to its far corner.
mark_left=$(( (PANEL_LEFT_TWIPS + 420) / HIGH_TWIPS_PER_PIXEL ))
mark_top=$(( (PANEL_TOP_TWIPS + 840) / HIGH_TWIPS_PER_PIXEL ))
e2e_colour "the mark's picture starts at its corner" \
  $(( probe_client_x + mark_left )) $(( probe_client_y + mark_top )) "0,0,255"
e2e_colour "the mark's picture reaches 18 pixels" \
  $(( probe_client_x + mark_left + 17 )) $(( probe_client_y + mark_top + 17 )) "0,0,255"
beyond="$(pixel_at $(( probe_client_x + mark_left + 18 )) $(( probe_client_y + mark_top + 18 )))"
e2e_check "and no further (got $beyond)" bash -c "[ '$beyond' != '0,0,255' ]"
close_dialog
/usr/lib/wine/wineserver -w 2>/dev/null
echo "PASS: the dialog lays itself out at 144 dpi"
