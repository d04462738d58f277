# SPDX-License-Identifier: GPL-3.0-or-later
# vostrane_folder_library(NAME DEPS ...): a static library of every .cpp file
# at the top of the current folder (the domain code, no Qt Widgets), and, when
# the GUI is built, a second library NAME_gui of the files in gui/.
function(vostrane_folder_library name)
  cmake_parse_arguments(L "" "" "DEPS;GUI_DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${L_DEPS})
  endif()
  if(VOSTRANE_BUILD_GUI AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/gui)
    file(GLOB gui_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/gui/*.cpp
                                            ${CMAKE_CURRENT_SOURCE_DIR}/gui/*.h)
    if(gui_sources)
      add_library(${name}_gui STATIC ${gui_sources})
      target_include_directories(${name}_gui PUBLIC ${CMAKE_SOURCE_DIR})
      if(sources)
        target_link_libraries(${name}_gui PUBLIC ${name})
      endif()
      target_link_libraries(${name}_gui PUBLIC ${L_GUI_DEPS} Qt6::Widgets Qt6::PrintSupport)
    endif()
  endif()
endfunction()
