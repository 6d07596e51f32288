# Installing and packaging, laid out as Debian's games are: the programs in
# games/, their data in share/games/sternenduell/. The programs look there
# when no worlds.dat lies beside them (DataFolder in src/data/data_folder.cpp),
# so the two paths below and that function go together.
set(SD_INSTALL_GAMES games)
set(SD_INSTALL_DATA share/games/sternenduell)
set(SD_INSTALL_DOC share/doc/sternenduell)
# Independent of the umask of whoever builds the package.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS sternenduell sternenduell-trajectory RUNTIME DESTINATION ${SD_INSTALL_GAMES})
install(FILES ${SD_OUT_DIR}/worlds.dat ${SD_OUT_DIR}/settings.dat DESTINATION ${SD_INSTALL_DATA})
install(DIRECTORY ${SD_OUT_DIR}/fx DESTINATION ${SD_INSTALL_DATA})

install(FILES packaging/sternenduell.desktop DESTINATION share/applications)
install(FILES packaging/io.github.sternenduell.metainfo.xml DESTINATION share/metainfo)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${CMAKE_BINARY_DIR}/icons/${size}x${size}/sternenduell.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps OPTIONAL)
endforeach()

# Manual pages and the changelog, compressed as Debian wants them: the most
# gzip can do, without a time stamp, so the same sources give the same bytes.
set(SD_DOC_BUILD ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${SD_DOC_BUILD})
set(SD_GZ_OUTPUTS)
foreach(pair man/sternenduell.6:sternenduell.6.gz man/sternenduell-trajectory.6:sternenduell-trajectory.6.gz
             changelog:changelog.gz)
  string(REPLACE ":" ";" pair "${pair}")
  list(GET pair 0 source)
  list(GET pair 1 output)
  add_custom_command(OUTPUT ${SD_DOC_BUILD}/${output}
    COMMAND sh -c "gzip -9nc \"$0\" > \"$1\"" ${CMAKE_SOURCE_DIR}/packaging/${source} ${SD_DOC_BUILD}/${output}
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${source}
    VERBATIM)
  list(APPEND SD_GZ_OUTPUTS ${SD_DOC_BUILD}/${output})
endforeach()
add_custom_target(sd_docs ALL DEPENDS ${SD_GZ_OUTPUTS})
install(FILES ${SD_DOC_BUILD}/sternenduell.6.gz ${SD_DOC_BUILD}/sternenduell-trajectory.6.gz
        DESTINATION share/man/man6)
# A native package (its version has no Debian revision) keeps its Debian
# changelog as changelog.gz.
install(FILES packaging/copyright ${SD_DOC_BUILD}/changelog.gz DESTINATION ${SD_INSTALL_DOC})
# The lintian overrides mean something only in the Debian package: a plain
# `cmake --install` leaves them out, CPack installs them as a second part.
install(FILES packaging/lintian-overrides DESTINATION share/lintian/overrides RENAME sternenduell
        COMPONENT debian EXCLUDE_FROM_ALL)

set(CPACK_PACKAGE_NAME sternenduell)
set(CPACK_PACKAGE_VENDOR "The Sternenduell developers")
# The project, not a person; it has no mail address yet (see lintian-overrides).
set(CPACK_PACKAGE_CONTACT "The Sternenduell developers <sternenduell@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn-based two-player artillery duel in space")
# The long description, one line of the control file per line here.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Two players take turns at one screen, move their units over a grid and"
  "fire beams or plasma shots whose flight is bent by the gravity of"
  "everything on the board: planets, suns, moons, a black hole."
  ""
  "Ten worlds, each fair for both sides; a computer opponent in two"
  "strengths; played with the mouse alone, in a window or full screen."
  "The texts of the game are German."
  ""
  "The package also holds sternenduell-trajectory, a tool for the people who"
  "build worlds: it prints the flight of plasma shots and lets the computer"
  "play a world against itself.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_CMAKE_PROJECTS
  "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/"
  "${CMAKE_BINARY_DIR};${PROJECT_NAME};debian;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries come from the binaries (dpkg-shlibdeps); the font the game
# opens by its file name is no library, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# SDL_mixer is opened when the first sound plays, so the computed
# dependencies do not see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation | fonts-liberation2, libsdl2-mixer-2.0-0")
include(CPack)
