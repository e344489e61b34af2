# A portable folder: ribwright, ribwright-cli and the data folder side by side (the program finds
# its folders beside its executable), plus a desktop entry and an icon.
if(TARGET ribwright)
  install(TARGETS ribwright RUNTIME DESTINATION .)
endif()
if(TARGET ribwright-cli)
  install(TARGETS ribwright-cli RUNTIME DESTINATION .)
endif()
install(DIRECTORY data/ DESTINATION data PATTERN ".keep" EXCLUDE)
install(FILES packaging/ribwright.desktop packaging/ribwright.png packaging/ribwright.svg
        DESTINATION share)
install(FILES packaging/install-desktop-entry.sh DESTINATION share
        PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_PACKAGE_NAME "ribwright")
set(CPACK_PACKAGE_VENDOR "Ribwright")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Full-size wing rib templates from airfoil coordinates")
set(CPACK_GENERATOR "TGZ")
set(CPACK_PACKAGE_FILE_NAME "ribwright-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR}")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
# What the program needs from the system at run time (Debian names), for a Debian package built
# with -G DEB; the toolkit's translations give its file, colour and Yes/No dialogs in Japanese.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6, libqt6gui6, libqt6core6, zlib1g, libjpeg62-turbo, fonts-noto-cjk, qt6-translations-l10n")
include(CPack)
