# panel_answers WHAT: a click on the SCANLINE box redraws the panel, so the tick and the painting
# still run; a second click puts the box back as it was.
panel_answers() {
  local before after
  before=$(import -window "$win" rgb:- 2>/dev/null | md5sum)
  click 330 24
  after=$(import -window "$win" rgb:- 2>/dev/null | md5sum)
  click 330 24
  [[ $after != "$before" ]] || fail "$1: the panel did not answer a click"
}
