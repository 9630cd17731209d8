# Install-time part of the desktop integration (cmake --install, cpack): the
# menu entry, the autostart entry, the hicolor icons and the AppStream
# metainfo. Set by the install rule: SKYLET_DESKTOP_SOURCE_DIR (this folder),
# SKYLET_IMAGES_DIR, SKYLET_DESKTOP_BINARY_DIR (the configured metainfo) and
# SKYLET_SYSTEM_ROOT.
#
# The system install root integrates with the whole machine (/usr/share,
# /etc/xdg, as the Debian package does); any other prefix keeps all of it
# under itself, so that a trial install never touches the system's menus.
include("${CMAKE_CURRENT_LIST_DIR}/desktop-entry.cmake")

function(skylet_install_desktop)
    set(root "${CMAKE_INSTALL_PREFIX}")
    if(root STREQUAL SKYLET_SYSTEM_ROOT)
        set(share "/usr/share")
        set(xdg_config "/etc/xdg")
    else()
        set(share "${root}/share")
        set(xdg_config "${root}/etc/xdg")
    endif()

    # file(INSTALL) puts DESTDIR (cpack's staging folder) in front itself.
    set(staging "${SKYLET_DESKTOP_BINARY_DIR}/entries")
    skylet_write_desktop_entry("${root}/bin/skylet-launcher"
        "${SKYLET_DESKTOP_SOURCE_DIR}/skylet-backup.desktop.in"
        "${staging}/menu/skylet-backup.desktop")
    skylet_write_desktop_entry("${root}/bin/skylet-launcher"
        "${SKYLET_DESKTOP_SOURCE_DIR}/skylet-backup-autostart.desktop.in"
        "${staging}/autostart/skylet-backup.desktop")
    file(INSTALL "${staging}/menu/skylet-backup.desktop" DESTINATION "${share}/applications")
    file(INSTALL "${staging}/autostart/skylet-backup.desktop" DESTINATION "${xdg_config}/autostart")

    file(INSTALL "${SKYLET_IMAGES_DIR}/hicolor" DESTINATION "${share}/icons")
    file(INSTALL "${SKYLET_IMAGES_DIR}/skylet-backup.svg"
         DESTINATION "${share}/icons/hicolor/scalable/apps")
    file(INSTALL "${SKYLET_DESKTOP_BINARY_DIR}/com.veltrane.SkyletBackup.metainfo.xml"
         DESTINATION "${share}/metainfo")
endfunction()

skylet_install_desktop()
