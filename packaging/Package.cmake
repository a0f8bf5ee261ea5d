# The Debian package: `cpack -G DEB` in a build configured with the prefix /usr (see
# scripts/package.sh). It holds the default component only; the maintainer scripts register
# the install and take the registration back. Nothing lies under /etc, so nothing is a conffile
# that `dpkg -r` would keep.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pluvo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Pluvo maintainers <maintainers@pluvo.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "rain-on-glass screen saver")
set(CPACK_PACKAGE_DESCRIPTION
    "Drops land on the glass, run down and merge, and refract the desktop behind them; \
lightning and thunder now and then. Runs full screen, in XScreenSaver and in the desktop savers.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The settings dialog's Chinese captions need a font that has them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-wqy-microhei)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xscreensaver)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};Unspecified;/")

set(PLUVO_PACKAGE_STATE_DIR ${CMAKE_INSTALL_FULL_LOCALSTATEDIR}/lib/pluvo)
set(PLUVO_PACKAGE_SCRIPT ${PLUVO_PACKAGE_STATE_DIR}/uninstall.script)
foreach(script postinst prerm)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/${script}.in ${CMAKE_BINARY_DIR}/debian/${script}
                   @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                   GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endforeach()
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/debian/postinst
                                       ${CMAKE_BINARY_DIR}/debian/prerm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
# CPack would build every target (the tests too) before it installs; scripts/package.sh builds
# the two programs the package holds and the dialogs' library.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)
include(CPack)
