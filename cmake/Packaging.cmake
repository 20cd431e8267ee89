# Installation (GNUInstallDirs) and the Debian package (cpack -G DEB).
include(GNUInstallDirs)

set(ZQ_APP_ID org.zq915.Programmer)
set(ZQ_HOMEPAGE_URL "https://zq915.example.org" CACHE STRING "Project home page; the store screenshot is published below it")

install(TARGETS zq915 zq915-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The simulator's build name is too generic for a system-wide bin folder.
install(PROGRAMS $<TARGET_FILE:radio-sim> DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME zq915-radio-sim)

set(pkg ${PROJECT_SOURCE_DIR}/packaging)
install(FILES ${pkg}/${ZQ_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# Docks and task bars match the window to its menu entry by this name.
target_compile_definitions(zq915 PRIVATE ZQ_DESKTOP_FILE_NAME="${ZQ_APP_ID}")
install(FILES ${pkg}/zq915-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME zq915.xml)
install(FILES ${PROJECT_SOURCE_DIR}/src/app/zq915.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
configure_file(${pkg}/${ZQ_APP_ID}.metainfo.xml.in ${PROJECT_BINARY_DIR}/${ZQ_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${ZQ_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
configure_file(${pkg}/copyright.in ${PROJECT_BINARY_DIR}/copyright @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Manual pages compressed as Debian installs them (-n: no name or time inside,
# so every build writes the same bytes).
set(man_gz)
foreach(page zq915 zq915-cli zq915-radio-sim)
  set(gz ${PROJECT_BINARY_DIR}/man/${page}.1.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E copy ${pkg}/man/${page}.1 ${PROJECT_BINARY_DIR}/man/${page}.1
    COMMAND gzip -9nf ${PROJECT_BINARY_DIR}/man/${page}.1
    DEPENDS ${pkg}/man/${page}.1 VERBATIM)
  list(APPEND man_gz ${gz})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${man_gz})
install(FILES ${man_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zq915)
set(CPACK_PACKAGE_VENDOR "The ZQ-915 Programmer developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming application for ZQ-915 hand-held radios")
set(CPACK_PACKAGE_DESCRIPTION
    "Reads, edits and writes the channels and radio-wide settings of the ZQ-915 \
family of hand-held two-way radios over their serial programming cable; saves \
and prints them. English and Chinese. Includes a command-line tool and a \
simulated radio for trying it without one.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The ZQ-915 Programmer developers <maintainers@zq915.example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ZQ_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as plugins, so invisible to the library scan: the window system
# back-ends and the SVG reader for the icon. Chinese needs a CJK font and
# Qt's own translations for its standard buttons and dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-translations-l10n")
include(CPack)
