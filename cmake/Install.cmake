# What `cmake --install` puts where: the program, its help manual, the desktop entry, the icon
# in every usual size and the AppStream metadata, on the freedesktop paths. `cpack` wraps the
# same files in a Debian package.
include(GNUInstallDirs)

set(SCRIVANT_APP_ID org.example.scrivant)
set(SCRIVANT_ICON_SVG ${PROJECT_SOURCE_DIR}/resources/icons/${SCRIVANT_APP_ID}.svg)

install(TARGETS scrivant-editor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS scrivant-webengine LIBRARY DESTINATION ${SCRIVANT_MODULE_DIR})
install(FILES resources/${SCRIVANT_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/${SCRIVANT_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${SCRIVANT_HELP_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/scrivant/help)
install(FILES ${SCRIVANT_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Desktops pick a bitmap of the size they draw; each is rendered from the one drawing.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_pngs)
foreach(size 16 22 24 32 48 64 128 256 512)
  set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${SCRIVANT_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${SCRIVANT_ICON_SVG}
    DEPENDS ${SCRIVANT_ICON_SVG} VERBATIM)
  list(APPEND icon_pngs ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(icons ALL DEPENDS ${icon_pngs})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME scrivant)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "HTML source editor with tag buttons, dialogs and coloured tags")
set(CPACK_PACKAGE_DESCRIPTION
  "The Corvane Scrivant Pro edits HTML pages as plain text, in many document windows inside
one main window. Menus, buttons and dialogs insert tags and whole elements at the caret or
around the selection, and tags show in their own colour.")
set(CPACK_PACKAGE_CONTACT "The authors of The Corvane Scrivant Pro <scrivant@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://scrivant.example.org/)
# The packages of the libraries the program links come from dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Data the program reads and no library brings: the spell check's dictionary.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "hunspell-en-us")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-gtk-platformtheme")
include(CPack)
