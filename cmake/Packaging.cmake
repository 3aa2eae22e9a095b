# cmake --install and CPack: natively veloranth-cli and veloranth-notify with their data,
# catalogues, man pages, bash completion, user unit and autostart entry as a .deb; for
# Windows the deliverables' folder as a ZIP.
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
texts are in French; its messages follow the user's language (French or
English).

veloranth-notify, the desktop companion, shows a notification at each prayer
of the day and plays the call that data.cfg asks for (the built-in tone or
the user's own WAV, Ogg, MP3 or FLAC file). It ships as a systemd user unit,
not enabled, and as an autostart entry to copy.]])

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
  install(TARGETS veloranth-cli veloranth-notify RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # The programs find these at ../share/veloranth relative to themselves.
  install(FILES ${PROJECT_SOURCE_DIR}/data/data.cfg ${PROJECT_SOURCE_DIR}/data/help.html
                ${PROJECT_SOURCE_DIR}/data/style.css ${PROJECT_SOURCE_DIR}/data/town_names.tsv
                ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/call_tone.wav
                ${PROJECT_SOURCE_DIR}/notify/veloranth-notify.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/veloranth)
  install(FILES ${PROJECT_SOURCE_DIR}/cli/veloranth-cli.bash
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
          RENAME veloranth-cli)
  # The companion's user unit, installed but not enabled.
  install(FILES ${PROJECT_SOURCE_DIR}/notify/veloranth-notify.service
          DESTINATION lib/systemd/user)

  # The man pages are made from --help, in English and, from the same help under a French
  # locale, in French, with what --help does not hold (ENVIRONMENT, FILES, SEE ALSO) from an
  # include file per language; "Exit status:" becomes a section of its own.
  find_program(HELP2MAN help2man REQUIRED)
  find_program(GZIP gzip REQUIRED)
  set(man_pages "")
  # (help2man would read a French --name as Latin-1: the French NAME is in its include file.)
  foreach(page "veloranth-cli|cli|prayer times for a town table or any place"
               "veloranth-notify|notify|notifications and the call at prayer time on the desktop")
    string(REPLACE "|" ";" page "${page}")
    list(GET page 0 program)
    list(GET page 1 folder)
    foreach(language en fr)
      if(language STREQUAL "en")
        set(out ${CMAKE_BINARY_DIR}/${program}.1)
        list(GET page 2 name)
        set(options --name ${name})
        set(include ${PROJECT_SOURCE_DIR}/${folder}/${program}.h2m)
        set(section "s/^\\.SS \"Exit status:\"$/.SH \"EXIT STATUS\"/")
        set(destination ${CMAKE_INSTALL_MANDIR}/man1)
      else()
        set(out ${CMAKE_BINARY_DIR}/man/fr/${program}.1)
        set(options --locale=fr_FR.UTF-8)
        set(include ${PROJECT_SOURCE_DIR}/${folder}/${program}.fr.h2m)
        set(section "s/^\\.SS \"Code de retour :\"$/.SH \"CODE DE RETOUR\"/")
        set(destination ${CMAKE_INSTALL_MANDIR}/fr/man1)
      endif()
      add_custom_command(OUTPUT ${out} ${out}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man/fr
        COMMAND ${HELP2MAN} --no-info --no-discard-stderr --version-string=${PROJECT_VERSION}
                ${options} --include ${include} --output ${out}
                $<TARGET_FILE:${program}>
        COMMAND sed -i ${section} ${out}
        COMMAND ${GZIP} -9nkf ${out}
        DEPENDS ${program} catalogues ${include}
        COMMENT "Generating the ${language} man page of ${program} from its --help"
        VERBATIM)
      list(APPEND man_pages ${out})
      install(FILES ${out}.gz DESTINATION ${destination})
    endforeach()
  endforeach()
  add_custom_target(man_page ALL DEPENDS ${man_pages})

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
  # The libraries the programs link, from dpkg-shlibdeps; then what the companion runs: the
  # decoders of WAV, Ogg, FLAC and MP3 and the desktop's sound output (GStreamer's base and
  # good plugins), and a session bus. A notification service is the desktop's.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, default-dbus-session-bus | dbus-session-bus")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "notification-daemon")
endif()

include(CPack)
