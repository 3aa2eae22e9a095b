# cmake --install and CPack: natively veloranth-cli with its data, man page and bash
# completion as a .deb; for Windows the deliverables' folder as a ZIP.
set(CPACK_PACKAGE_NAME veloranth)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Veloranth")
set(CPACK_PACKAGE_CONTACT "Veloranth maintainers <maintainers@veloranth.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Islamic prayer times for a town table or any place")
set(CPACK_PACKAGE_DESCRIPTION [[
veloranth-cli prints the day's Islamic prayer times (Fajr, Chourouk, Zuhr,
Asr, Maghrib, Isha) for a town of its table of 488 towns, or for any place
given by its coordinates, time zone and calculation convention. It also
gives the Sun's position, the qibla's bearing from north and the next prayer
with the time left, and writes monthly and yearly calendars as HTML pages,
JSON, CSV or iCalendar.

The times come from the Sun's position, the town's time zone (whole hours
with a summer-time rule, or a zone of the tz database, which is compiled in)
and the convention's twilight angles, Asr rule and high-latitude rule. Its
texts are in French.]])

if(WIN32)
  install(TARGETS Veloranth TodayVeloranth TodayHost RUNTIME DESTINATION . LIBRARY DESTINATION .)
  install(FILES ${PROJECT_SOURCE_DIR}/data/data.cfg ${PROJECT_SOURCE_DIR}/data/help.html
                ${PROJECT_SOURCE_DIR}/data/style.css ${PROJECT_SOURCE_DIR}/data/LISEZMOI.txt
                ${PROJECT_SOURCE_DIR}/LICENSE
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
  # The man page is made from --help, with what --help does not hold (ENVIRONMENT, FILES,
  # SEE ALSO) from an include file; its "Exit status:" becomes a section of its own.
  find_program(HELP2MAN help2man REQUIRED)
  find_program(GZIP gzip REQUIRED)
  set(man_page ${CMAKE_BINARY_DIR}/veloranth-cli.1)
  set(man_include ${PROJECT_SOURCE_DIR}/cli/veloranth-cli.h2m)
  add_custom_command(OUTPUT ${man_page} ${man_page}.gz
    COMMAND ${HELP2MAN} --no-info --no-discard-stderr --version-string=${PROJECT_VERSION}
            --name "prayer times for a town table or any place" --include ${man_include}
            --output ${man_page} $<TARGET_FILE:veloranth-cli>
    COMMAND sed -i "s/^\\.SS \"Exit status:\"$/.SH \"EXIT STATUS\"/" ${man_page}
    COMMAND ${GZIP} -9nkf ${man_page}
    DEPENDS veloranth-cli ${man_include}
    COMMENT "Generating the man page of veloranth-cli from its --help"
    VERBATIM)
  add_custom_target(man_page ALL DEPENDS ${man_page})
  install(FILES ${man_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

  # Debian's documents: the copyright file (the project's licence, GeoNames' attribution,
  # the tz database's note and ICU's licence for the Hijri table) and the changelog
  # (gzipped, as policy says).
  set(debian ${PROJECT_SOURCE_DIR}/cmake/debian)
  file(STRINGS ${debian}/changelog changelog_top LIMIT_COUNT 1)
  if(NOT changelog_top MATCHES "^veloranth \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "cmake/debian/changelog has no entry for ${PROJECT_VERSION} on top")
  endif()
  set(changelog ${CMAKE_BINARY_DIR}/debian/changelog.gz)
  add_custom_command(OUTPUT ${changelog}
    COMMAND ${CMAKE_COMMAND} -E copy ${debian}/changelog ${CMAKE_BINARY_DIR}/debian/changelog
    COMMAND ${GZIP} -9nf ${CMAKE_BINARY_DIR}/debian/changelog
    DEPENDS ${debian}/changelog
    VERBATIM)
  add_custom_target(debian_changelog ALL DEPENDS ${changelog})
  install(FILES ${debian}/copyright ${changelog}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/veloranth)
  install(FILES ${debian}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
          RENAME veloranth)

  set(CPACK_GENERATOR DEB)
  set(CPACK_STRIP_FILES ON)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION misc)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, libgcc-s1")
endif()

include(CPack)
