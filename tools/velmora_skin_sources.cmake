# The sources of velmora-skin. The native build links them with the skin package and
# core libraries; the Windows build compiles a host copy of the tool from the same
# files (cmake/default_skin.cmake), so the list lives here once.
set(VELMORA_SKIN_TOOL_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/velmora_skin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_preview.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_sample.cpp
  ${CMAKE_CURRENT_LIST_DIR}/raster.cpp
  ${CMAKE_CURRENT_LIST_DIR}/png_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pixel_font.cpp
)
# What it uses of the portable core library.
set(VELMORA_SKIN_TOOL_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/../src/skin/data/quick_ini.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../src/framework/profile_integer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../src/framework/bmp_image.cpp
)
