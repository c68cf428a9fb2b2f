# panel_answers WHAT: a click on the SCANLINE box redraws the panel, so the tick and the painting
# still run; a second click puts the box back as it was.
panel_answers() {
  local before
  before=$(import -window "$win" rgb:- 2>/dev/null | md5sum)
  panel_changed() { [[ $(import -window "$win" rgb:- 2>/dev/null | md5sum) != "$before" ]]; }
  click_until 330 24 1 "$1: the panel did not answer a click" panel_changed
  click 330 24
}
