# Installs the program folder as the program expects it, with a link to it
# on the PATH, the desktop entry, the AppStream data and the icons; and
# describes the Debian package that CPack builds from it.
if(WIN32)
  # teaser.exe, its data and the Qt libraries that the deployment step adds.
  set(TEASER_INSTALL_DIR "${CMAKE_INSTALL_BINDIR}")
else()
  # A package's private folder, as Debian lays it out. Not CMAKE_INSTALL_LIBDIR:
  # on Debian that becomes lib/x86_64-linux-gnu under /usr but lib elsewhere.
  set(TEASER_INSTALL_DIR "lib/teaser")
endif()

install(TARGETS teaser RUNTIME DESTINATION "${TEASER_INSTALL_DIR}")
if(TARGET teaser_mixer_module)
  install(TARGETS teaser_mixer_module LIBRARY DESTINATION "${TEASER_INSTALL_DIR}")
endif()
install(FILES
    "${TEASER_PROGRAM_DIR}/date.dat"
    "${TEASER_PROGRAM_DIR}/ti2.dat"
    "${TEASER_PROGRAM_DIR}/hao2.dat"
    "${PROJECT_SOURCE_DIR}/data/timu.wav"
  DESTINATION "${TEASER_INSTALL_DIR}")
install(DIRECTORY "${PROJECT_SOURCE_DIR}/data/sound/" DESTINATION "${TEASER_INSTALL_DIR}/sound"
        FILES_MATCHING PATTERN "*.mid")

if(MINGW)
  include(cmake/MinGWDeployment.cmake)
elseif(WIN32)
  qt_generate_deploy_app_script(TARGET teaser OUTPUT_SCRIPT teaser_deploy_script NO_UNSUPPORTED_PLATFORM_ERROR)
  install(SCRIPT "${teaser_deploy_script}")
elseif(UNIX)
  # bin/teaser is a relative link, so the installed tree can move as a whole.
  install(CODE "
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK \"../${TEASER_INSTALL_DIR}/teaser\"
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/teaser\" SYMBOLIC)")
  install(FILES "${PROJECT_SOURCE_DIR}/data/desktop/org.teaser.Teaser.desktop"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
  install(FILES "${PROJECT_SOURCE_DIR}/data/desktop/org.teaser.Teaser.metainfo.xml"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
  foreach(size 16 32 48 64 72 128)
    install(FILES "${PROJECT_SOURCE_DIR}/ui/icons/teaser-${size}.png"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps" RENAME org.teaser.Teaser.png)
  endforeach()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME teaser)
set(CPACK_PACKAGE_VENDOR "teaser developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Chinese brain teaser quiz with a countdown")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "teaser developers <teaser@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# What the libraries do not say: the SoundFont for the songs and Chinese fonts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "timgm6mb-soundfont, fonts-noto-cjk | fonts-arphic-uming, qt6-qpa-plugins")
include(CPack)
