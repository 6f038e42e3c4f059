# The font sets the tests render with. Qt takes its fonts from fontconfig, and the fonts a machine
# has change every text's size: the tests see one set only, from a Debian package that
# scripts/packages.txt installs, whatever else the machine has. Every test renders with the
# pinned set; the tests that render windows under the layout check run a second time with the
# second set, of other widths and heights, so that a cut label or an overlapped control that only
# other fonts show is caught too.

set(TK73_FONT_SET_DIR ${CMAKE_BINARY_DIR}/fonts)
set(TK73_PINNED_FONTS dejavu)
set(TK73_SECOND_FONTS noto)

# tk73_font_set(NAME DIR dir FILES glob... SANS family SERIF family MONO family): the
# fontconfig configuration ${TK73_FONT_SET_DIR}/NAME.conf, holding the files of DIR that the globs
# name and making the three families the generic ones; its cache lies in the tests' home.
function(tk73_font_set name)
    cmake_parse_arguments(SET "" "DIR;SANS;SERIF;MONO" "FILES" ${ARGN})
    set(SET_NAME ${name})
    set(SET_CACHE ${TK73_TEST_HOME}/fontconfig)
    set(SET_GLOBS "")
    foreach(file IN LISTS SET_FILES)
        string(APPEND SET_GLOBS "      <glob>${SET_DIR}/${file}</glob>\n")
    endforeach()
    configure_file(${CMAKE_SOURCE_DIR}/tests/fonts/font_set.conf.in
                   ${TK73_FONT_SET_DIR}/${name}.conf @ONLY)
endfunction()

# fonts-dejavu-core; its folder holds the other DejaVu packages' fonts too, where installed.
tk73_font_set(dejavu DIR /usr/share/fonts/truetype/dejavu
              FILES DejaVuSans.ttf DejaVuSans-Bold.ttf DejaVuSerif.ttf DejaVuSerif-Bold.ttf
                    DejaVuSansMono.ttf DejaVuSansMono-Bold.ttf
              SANS "DejaVu Sans" SERIF "DejaVu Serif" MONO "DejaVu Sans Mono")
# fonts-noto-core and fonts-noto-mono: narrower than DejaVu and taller; many desktops use them.
tk73_font_set(noto DIR /usr/share/fonts/truetype/noto
              FILES NotoSans-*.ttf NotoSerif-*.ttf NotoSansMono-*.ttf
              SANS "Noto Sans" SERIF "Noto Serif" MONO "Noto Sans Mono")
