# Our default skin, packed by our own packer: `velmora-skin build skins/default OUT`.
#
# Each build packs it into ${CMAKE_BINARY_DIR}/skins/default.vskin (VELMORA_DEFAULT_SKIN,
# made by the target `default_skin`) and keeps <repo>/build/skins/default.vskin up to
# date as a copy (written only when its bytes change, so the two builds never make
# each other rebuild).
#
# The native build packs with its velmora-skin target. The Windows build cannot run
# what it compiles here, so it compiles a host copy of velmora-skin with the machine's
# own C++ compiler into ${CMAKE_BINARY_DIR}/host/.
#
# Included before the source folders, so that they can depend on the package
# (`DEPENDS ${VELMORA_DEFAULT_SKIN} default_skin`); the rules are made once every
# folder has been read, because the host copy needs the skin package library's sources.

set(VELMORA_DEFAULT_SKIN ${CMAKE_BINARY_DIR}/skins/default.vskin)
set(VELMORA_DEFAULT_SKIN ${VELMORA_DEFAULT_SKIN} CACHE INTERNAL "The packed default skin of this build")
# The second skin of ours, "Velmora Sage" (skins/sage), packed the same way (target
# sage_skin): the gallery switches to it at run time.
set(VELMORA_SAGE_SKIN ${CMAKE_BINARY_DIR}/skins/sage.vskin)
set(VELMORA_SAGE_SKIN ${VELMORA_SAGE_SKIN} CACHE INTERNAL "The packed second skin of this build")

function(velmora_define_default_skin)
  set(skin_dir ${PROJECT_SOURCE_DIR}/skins/default)
  set(shared_copy ${PROJECT_SOURCE_DIR}/build/skins/default.vskin)
  file(GLOB skin_files CONFIGURE_DEPENDS ${skin_dir}/*.ini ${skin_dir}/*.bmp)
  include(${PROJECT_SOURCE_DIR}/tools/velmora_skin_sources.cmake)

  if(CMAKE_CROSSCOMPILING)
    find_program(VELMORA_HOST_CXX NAMES c++ g++ clang++ REQUIRED
      DOC "The machine's own C++ compiler, for the host copy of velmora-skin")
    get_target_property(package_sources velmora_skin_package SOURCES)
    get_target_property(package_dir velmora_skin_package SOURCE_DIR)
    list(TRANSFORM package_sources PREPEND ${package_dir}/)
    set(sources ${VELMORA_SKIN_TOOL_SOURCES} ${VELMORA_SKIN_TOOL_CORE_SOURCES} ${package_sources})
    file(GLOB headers CONFIGURE_DEPENDS
      ${PROJECT_SOURCE_DIR}/tools/*.h ${PROJECT_SOURCE_DIR}/src/skin/data/*.h ${PROJECT_SOURCE_DIR}/src/framework/*.h)
    set(tool ${CMAKE_BINARY_DIR}/host/velmora-skin)
    add_custom_command(
      OUTPUT ${tool}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
      COMMAND ${VELMORA_HOST_CXX} -std=c++20 -O2 -I${PROJECT_SOURCE_DIR}/src -I${PROJECT_SOURCE_DIR}/tools
              ${sources} -o ${tool}
      DEPENDS ${sources} ${headers}
      COMMENT "Compiling a host copy of velmora-skin"
      VERBATIM)
    set(tool_dependency ${tool})
  else()
    set(tool $<TARGET_FILE:velmora-skin>)
    set(tool_dependency velmora-skin)
  endif()

  add_custom_command(
    OUTPUT ${VELMORA_DEFAULT_SKIN}
    BYPRODUCTS ${shared_copy}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/skins ${PROJECT_SOURCE_DIR}/build/skins
    COMMAND ${tool} build ${skin_dir} ${VELMORA_DEFAULT_SKIN}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VELMORA_DEFAULT_SKIN} ${shared_copy}
    DEPENDS ${tool_dependency} ${skin_files}
    COMMENT "Packing the default skin"
    VERBATIM)
  add_custom_target(default_skin ALL DEPENDS ${VELMORA_DEFAULT_SKIN})

  file(GLOB sage_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/skins/sage/*.ini ${PROJECT_SOURCE_DIR}/skins/sage/*.bmp)
  add_custom_command(
    OUTPUT ${VELMORA_SAGE_SKIN}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/skins
    COMMAND ${tool} build ${PROJECT_SOURCE_DIR}/skins/sage ${VELMORA_SAGE_SKIN}
    DEPENDS ${tool_dependency} ${sage_files}
    COMMENT "Packing the Sage skin"
    VERBATIM)
  add_custom_target(sage_skin ALL DEPENDS ${VELMORA_SAGE_SKIN})

  # For skin authors: the preview sheet of the packed skin (not part of a normal build).
  set(preview ${CMAKE_BINARY_DIR}/skins/default-preview.png)
  add_custom_command(
    OUTPUT ${preview}
    COMMAND ${tool} preview ${VELMORA_DEFAULT_SKIN} ${preview}
    DEPENDS ${tool_dependency} ${VELMORA_DEFAULT_SKIN}
    COMMENT "Drawing the default skin's preview"
    VERBATIM)
  add_custom_target(default_skin_preview DEPENDS ${preview})
endfunction()

cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL velmora_define_default_skin)
