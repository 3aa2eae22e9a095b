# cmake --install and CPack: natively veloranth-cli with its data, man page and bash
# completion as a .deb; for Windows the deliverables' folder as a ZIP.
set(CPACK_PACKAGE_NAME veloranth)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Veloranth")
set(CPACK_PACKAGE_CONTACT "Veloranth maintainers <maintainers@veloranth.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Islamic prayer times for a town table or any place")

if(WIN32)
  install(TARGETS Veloranth TodayVeloranth TodayHost RUNTIME DESTINATION . LIBRARY DESTINATION .)
  install(FILES ${PROJECT_SOURCE_DIR}/data/data.cfg ${PROJECT_SOURCE_DIR}/data/help.html
                ${PROJECT_SOURCE_DIR}/data/style.css ${PROJECT_SOURCE_DIR}/data/LISEZMOI.txt
          DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME veloranth-${PROJECT_VERSION}-windows)
else()
  include(GNUInstallDirs)
  install(TARGETS veloranth-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # The program finds these at ../share/veloranth relative to itself.
  install(FILES ${PROJECT_SOURCE_DIR}/data/data.cfg ${PROJECT_SOURCE_DIR}/data/help.html
                ${PROJECT_SOURCE_DIR}/data/style.css
          DESTINATION ${CMAKE_INSTALL_DATADIR}/veloranth)
  install(FILES ${PROJECT_SOURCE_DIR}/cli/veloranth-cli.bash
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
          RENAME veloranth-cli)
  # The man page is made from --help and --version, so the two cannot disagree.
  find_program(HELP2MAN help2man REQUIRED)
  set(man_page ${CMAKE_BINARY_DIR}/veloranth-cli.1)
  add_custom_command(OUTPUT ${man_page}
    COMMAND ${HELP2MAN} --no-info --no-discard-stderr
            --name "prayer times for a town table or any place"
            --output ${man_page} $<TARGET_FILE:veloranth-cli>
    DEPENDS veloranth-cli
    COMMENT "Generating the man page of veloranth-cli from its --help"
    VERBATIM)
  add_custom_target(man_page ALL DEPENDS ${man_page})
  install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  set(CPACK_GENERATOR DEB)
  set(CPACK_STRIP_FILES ON)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION misc)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, libgcc-s1")
endif()

include(CPack)
