# Installation and the Debian package. The program goes to bin/, its desktop
# entry, AppStream metainfo and icon to the places desktop menus and software
# centres look. `cpack -G DEB` in a build folder makes spanwright_<version>_<arch>.deb.
include(GNUInstallDirs)

set(SPANWRIGHT_APP_ID example.ostrel.Spanwright)
set(packaging_dir ${CMAKE_CURRENT_LIST_DIR}/../packaging)
set(metainfo ${CMAKE_BINARY_DIR}/packaging/${SPANWRIGHT_APP_ID}.metainfo.xml)
# The release in the metainfo is project(VERSION), like the About box's.
configure_file(${packaging_dir}/${SPANWRIGHT_APP_ID}.metainfo.xml.in ${metainfo} @ONLY)

if(TARGET spanwright)
  install(TARGETS spanwright RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${packaging_dir}/${SPANWRIGHT_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging_dir}/spanwright.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The desktop entry and the metainfo must pass the validators the
# distributions use; without a validator the test is skipped, not passed.
if(SPANWRIGHT_BUILD_TESTS)
  find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
  find_program(APPSTREAMCLI appstreamcli)
  foreach(check
      "desktop_entry_valid|DESKTOP_FILE_VALIDATE|desktop-file-utils|${packaging_dir}/${SPANWRIGHT_APP_ID}.desktop"
      "metainfo_valid|APPSTREAMCLI|appstream|validate;--no-net;${metainfo}")
    string(REPLACE "|" ";" parts "${check}")
    list(GET parts 0 name)
    list(GET parts 1 tool)
    list(GET parts 2 package)
    list(SUBLIST parts 3 -1 args)
    if(${tool})
      add_test(NAME packaging_${name} COMMAND ${${tool}} ${args})
    else()
      add_test(NAME packaging_${name} COMMAND sh -c "echo 'needs the ${package} package'; exit 77")
      set_tests_properties(packaging_${name} PROPERTIES SKIP_RETURN_CODE 77)
    endif()
  endforeach()
  # desktop-file-validate prints hints but exits 0 on them; any output is a finding.
  if(DESKTOP_FILE_VALIDATE)
    set_tests_properties(packaging_desktop_entry_valid PROPERTIES FAIL_REGULAR_EXPRESSION ".+")
  endif()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME spanwright)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Ostrel Software")
set(CPACK_PACKAGE_CONTACT "Ostrel Software <spanwright@ostrel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for building dimensions in feet, inches and fractions")
set(CPACK_PACKAGE_DESCRIPTION
  "Key lengths the way drawings write them, add, subtract, multiply and divide
them like a pocket calculator, and get the answer back rounded to the
fraction of an inch you choose, or as a decimal. With a history tape and
export, a memory list and a stair calculator.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://ostrel.example/spanwright)
# Named outright: the libraries dpkg-shlibdeps finds, plus what is loaded at
# run time and no linker sees (the platform plugins for X11 and Wayland, the
# Arial-metric font).
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), qt6-qpa-plugins, qt6-wayland, fonts-liberation2")
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
include(CPack)
