# Where `cmake --install` puts the game: Debian's places for games by default, each folder configurable. And the
# name the desktop knows the game by (desktop entry, icons, AppStream metadata, the window's application id).
include(GNUInstallDirs)
set(VANTREL_APP_ID com.quorvin.vantrel)
set(VANTREL_INSTALL_GAMESDIR games CACHE STRING "Folder of vantrel and vantrel-cli (under the prefix)")
set(VANTREL_INSTALL_GAMEDATADIR ${CMAKE_INSTALL_DATADIR}/games/vantrel CACHE STRING
    "Folder of the game's card pictures, CARDS (under the prefix)")

foreach(dir GAMESDIR GAMEDATADIR)
  if(IS_ABSOLUTE ${VANTREL_INSTALL_${dir}})
    set(VANTREL_INSTALL_FULL_${dir} ${VANTREL_INSTALL_${dir}})
  else()
    set(VANTREL_INSTALL_FULL_${dir} ${CMAKE_INSTALL_PREFIX}/${VANTREL_INSTALL_${dir}})
  endif()
endforeach()
# The game finds its data folder from its own folder, so an installed tree still works wherever it is moved.
file(RELATIVE_PATH VANTREL_DATA_FROM_PROGRAM ${VANTREL_INSTALL_FULL_GAMESDIR} ${VANTREL_INSTALL_FULL_GAMEDATADIR})
