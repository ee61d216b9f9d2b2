# Where the program lands on a Linux desktop, and its Debian package.

set(APP_ID bg.informatika.towers)
set(packaging ${CMAKE_CURRENT_SOURCE_DIR}/packaging)

install(TARGETS towers RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${packaging}/${APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 32 48 128)
  install(FILES ${packaging}/icons/${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${APP_ID}.png)
endforeach()
install(FILES ${packaging}/${APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/docs/screenshot.png
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CMAKE_SKIP_INSTALL_RPATH ON) # no libraries of our own to find

set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_NAME towers)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "towers puzzle for the informatics lesson on backtracking")
set(CPACK_PACKAGE_DESCRIPTION
    "A teaching program in Bulgarian: the pupil moves a stack of disks from the left\n\
peg to the right one with the mouse, steps back through the moves, and watches\n\
a timed demonstration of the optimal solution.")
set(CPACK_PACKAGE_CONTACT "Towers maintainers <maintainers@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries the binary links: no window opens without Qt's platform
# plugins, and the texts need a Times New Roman stand-in that covers Cyrillic.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
include(CPack)
