# What the suite knows of the program: its window titles, the web address it opens, and
# where its controls stand (window client pixels: left top width height).

readonly MAIN_TITLE='^Velnoria "Lumetta", release 1\.1$'
readonly NOTICE_TITLE='^Velnoria Lumetta 1\.1$'
readonly LAYER_MESSAGE_TITLE='^Velnoria Message$'
readonly NO_SOUND_TITLE='^VelnoriaLM$'
readonly LINK_URL='http://www.velnoria.example/Velnoria_Lumetta/openusers.aspx'

readonly CMDPLAY=(16 312 129 41)
readonly CHECK1=(16 72 129 25)
readonly CHECK2=(16 104 129 25)
readonly LABEL6=(608 88 17 17)
# The X less its bottom row, which the help text box covers while it is shown.
readonly LABEL6_OWN=(608 88 17 16)
readonly RCHTEXT=(408 104 217 137)
readonly IMAGE1=(392 280 237 96)
# VSAmp stands at 16,184 33x89 and starts at -3500, its thumb 70 % of the way down. These
# points hit the top arrow and the track just above the thumb whether the arrows are drawn
# square (33 px) or short.
readonly VSAMP_TOP_ARROW=(32 188)
readonly VSAMP_TRACK_ABOVE_THUMB=(32 219)
# Stretches of the client area where no control stands, so the background picture shows.
readonly FREE_BETWEEN_PANEL_AND_HELIX=(166 30 30 80)
readonly FREE_LEFT_OF_TITLES=(400 20 60 60)
