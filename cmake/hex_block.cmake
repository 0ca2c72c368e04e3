# Writes a binary file as a stored-form binary value: "NAME = {" then hex lines of 64
# digits, then "}", indented by INDENT.
#   cmake -DIN=file.bin -DOUT=file.txt -DNAME=Icon.Data -DINDENT="    " -P hex_block.cmake
file(READ "${IN}" hex HEX)
string(LENGTH "${hex}" length)
set(out "${INDENT}${NAME} = {\n")
set(at 0)
while(at LESS length)
  string(SUBSTRING "${hex}" ${at} 64 line)
  string(TOUPPER "${line}" line)
  string(APPEND out "${INDENT}  ${line}")
  math(EXPR at "${at} + 64")
  if(at LESS length)
    string(APPEND out "\n")
  endif()
endwhile()
string(APPEND out "}")
file(WRITE "${OUT}" "${out}")
