# Writes the main window's form file with the packed default skin carried in its SkinStream
# property, the way a form file carries binary data: the 32-bit length, then the bytes, as
# hexadecimal text. The source form file holds "SkinStream = {}" in its place.
#   cmake -DFORM=<source dfm> -DSKIN=<packed skin> -DOUT=<written dfm> -P EmbedSkinStream.cmake
file(READ "${FORM}" form)
file(READ "${SKIN}" skin HEX)
string(TOUPPER "${skin}" skin)
string(LENGTH "${skin}" digits)
math(EXPR size "${digits} / 2")
# The length, little-endian.
math(EXPR b0 "${size} & 255")
math(EXPR b1 "(${size} >> 8) & 255")
math(EXPR b2 "(${size} >> 16) & 255")
math(EXPR b3 "(${size} >> 24) & 255")
set(prefix "")
foreach(byte ${b0} ${b1} ${b2} ${b3})
    math(EXPR byte "${byte}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${byte}" 2 -1 byte)
    string(TOUPPER "${byte}" byte)
    string(LENGTH "${byte}" n)
    if(n EQUAL 1)
        set(byte "0${byte}")
    endif()
    string(APPEND prefix "${byte}")
endforeach()
set(hex "${prefix}${skin}")
# 64 digits a line, as form files write binary properties.
string(REGEX REPLACE "([0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F])"
       "\\1\n      " hex "${hex}")
string(FIND "${form}" "SkinStream = {}" at)
if(at EQUAL -1)
    message(FATAL_ERROR "${FORM} has no 'SkinStream = {}' to fill")
endif()
string(REPLACE "SkinStream = {}" "SkinStream = {\n      ${hex}}" form "${form}")
file(WRITE "${OUT}.tmp" "${form}")
file(RENAME "${OUT}.tmp" "${OUT}")
