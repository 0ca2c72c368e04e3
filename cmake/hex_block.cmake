# Writes a binary file as a stored-form binary value: "NAME = {" then hex lines of 64
# digits, then "}", indented by INDENT. With LENGTH_PREFIX, the bytes are preceded by
# their count as a little-endian 32-bit number (a length-prefixed block).
#   cmake -DIN=file.bin -DOUT=file.txt -DNAME=Icon.Data -DINDENT="    " [-DLENGTH_PREFIX=1] -P hex_block.cmake
file(READ "${IN}" hex HEX)
if(LENGTH_PREFIX)
  file(SIZE "${IN}" size)
  set(prefix "")
  foreach(shift 0 8 16 24)
    math(EXPR byte "(${size} >> ${shift}) & 255" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${byte}" 2 -1 digits)
    string(LENGTH "${digits}" n)
    if(n EQUAL 1)
      set(digits "0${digits}")
    endif()
    string(APPEND prefix "${digits}")
  endforeach()
  set(hex "${prefix}${hex}")
endif()
string(TOUPPER "${hex}" hex)
# Lines of 64 digits: a newline and the indent after every 64.
set(dots "................................................................")
string(REGEX REPLACE "(${dots})" "\\1\n${INDENT}  " body "${hex}")
string(REGEX REPLACE "\n${INDENT}  $" "" body "${body}")
file(WRITE "${OUT}" "${INDENT}${NAME} = {\n${INDENT}  ${body}}")
