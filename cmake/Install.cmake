# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` (and `make install`, `make package`): the programs under
# bin/, every data file the program only reads under share/vostrane/ (the
# files the generators list for MANIFEST.TXT, the list itself, the default
# control record and the user guide), and the desktop entry, icon and
# AppStream metadata where the desktop looks for them. Installed, the program
# keeps the user's files in $XDG_DATA_HOME/vostrane (platform/UserFolder.h).
include(GNUInstallDirs)
set(VOSTRANE_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/vostrane)

if(VOSTRANE_BUILD_GUI)
  install(TARGETS vostrane vostrane-batch vostrane-batch-render RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
else()
  install(TARGETS vostrane-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

get_property(installed_data GLOBAL PROPERTY VOSTRANE_CHECKED_FILES)
# Besides the listed files: the list itself, the default control record (a
# user's first copy) and the atlas index, which keeps checks of its own (a
# user's copy is rebuilt beside the installed one when it does not fit).
list(APPEND installed_data MANIFEST.TXT ZORCTRL.DAT places.VDX)
foreach(name ${installed_data})
  get_filename_component(subfolder ${name} DIRECTORY)
  install(FILES ${VOSTRANE_INSTALL_DIR}/${name} DESTINATION ${VOSTRANE_DATA_DESTINATION}/${subfolder})
endforeach()

set(desktop_sources ${CMAKE_SOURCE_DIR}/data/desktop)
install(FILES ${desktop_sources}/org.vostrane.Vostrane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_sources}/vostrane.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${desktop_sources}/org.vostrane.Vostrane.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vostrane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vostrane developers")
set(CPACK_PACKAGE_CONTACT "Vostrane developers <vostrane@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Astrology charts: birth data, atlas, name file and chart wheel pages")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The atlas and its index are most of the package; gzip packs them in a
# fraction of the time xz takes.
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
set(CPACK_STRIP_FILES ON)
include(CPack)
