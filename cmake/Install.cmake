# Installing the game like any Linux game: the program in bin/, its sprites in share/shooter/Data/,
# a menu entry that starts it in share/shooter (the game reads Data/ from the current directory,
# and a menu would otherwise start it in the home folder), icons made from the player sprite,
# and `cpack -G DEB` for a Debian package whose dependencies dpkg-shlibdeps works out.
include(GNUInstallDirs)

install(TARGETS shooter RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY Data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/shooter/Data
        FILES_MATCHING PATTERN "*.bmp")

# The icons are drawn from the sprite at build time, so they follow any change to it.
add_executable(make_icon tools/icon/make_icon.cpp tools/icon/png_file.cpp)
target_include_directories(make_icon PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(make_icon PRIVATE SDL2::SDL2)
set(player_sprite ${CMAKE_CURRENT_SOURCE_DIR}/Data/Dude.bmp)
foreach(size 32 64 128)
  set(icon_folder ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size})
  set(icon ${icon_folder}/shooter.png)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_folder}
    COMMAND make_icon ${player_sprite} ${size} ${icon}
    DEPENDS make_icon ${player_sprite}
    COMMENT "Drawing the ${size}x${size} icon from the player sprite")
  list(APPEND icons ${icon})
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(shooter_icons ALL DEPENDS ${icons})

# The menu entry names absolute paths, and the prefix is known for sure only when installing
# (`cmake --install --prefix`, or cpack's /usr), so the entry is configured then.
install(CODE "
  set(SHOOTER_DESKTOP_TEMPLATE \"${CMAKE_CURRENT_SOURCE_DIR}/packaging/shooter.desktop.in\")
  set(SHOOTER_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
  set(SHOOTER_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
  set(SHOOTER_ENTRY_FOLDER \"${CMAKE_CURRENT_BINARY_DIR}/desktop-entry\")
  include(\"${CMAKE_CURRENT_SOURCE_DIR}/cmake/InstallDesktopEntry.cmake\")
")

set(CPACK_PACKAGE_NAME shooter)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Small full-screen arcade shooter")
set(CPACK_PACKAGE_DESCRIPTION
    "Steer a spaceman around an 800 x 600 screen with the arrow keys and blast the monsters drifting across it with 50 shots.")
set(CPACK_PACKAGE_CONTACT "Shooter maintainers <maintainers@users.noreply.c-seed-d48d27f2.example>")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)

if(SHOOTER_TESTS)
  add_subdirectory(tests/install)
endif()
