# Turns a stored form's text into a C++ header holding it as one narrow string literal
# (so its Chinese texts become GBK bytes like every literal of the program), with each
# @NAME@ line replaced by the text of the file given as NAME=path.
#   cmake -DFORM=in.dfm -DOUT=out.h -DSYMBOL=Name -DPARTS="A=a.txt|B=b.txt" -P embed_form.cmake
# (parts are separated by "|", which survives a build tool's command line unlike ";").
string(REPLACE "|" ";" PARTS "${PARTS}")
file(READ "${FORM}" text)
foreach(part IN LISTS PARTS)
  string(REGEX MATCH "^([^=]+)=(.*)$" _ "${part}")
  file(READ "${CMAKE_MATCH_2}" piece)
  string(REPLACE "@${CMAKE_MATCH_1}@" "${piece}" text "${text}")
endforeach()
file(WRITE "${OUT}.tmp" "// Generated from ${FORM}; do not edit.\n#pragma once\n\nnamespace velmora {\ninline constexpr char ${SYMBOL}[] = R\"velmora(${text})velmora\";\n}  // namespace velmora\n")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
