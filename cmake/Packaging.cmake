# The Debian package of the native build, made with CPack (`cpack -G DEB` in the build folder, or
# `./halvo.sh package`). Its dependencies come from dpkg-shlibdeps, not from a list kept by hand.

set(HALVO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/halvo-shutdown)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright DESTINATION ${HALVO_DOC_DIR})
# Who answers for the package, as Debian writes it ("Name <mail>"): the packager's own, taken from the
# DEBFULLNAME and DEBEMAIL that Debian's tools read, or given as HALVO_MAINTAINER. The project has no mailbox
# of its own; without either, the field names the documentation domain that stands for none.
if(DEFINED ENV{DEBEMAIL} AND NOT "$ENV{DEBEMAIL}" STREQUAL "")
    set(halvo_default_maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
else()
    set(halvo_default_maintainer "Halvo Shutdown developers <halvo-shutdown@example.org>")
endif()
set(HALVO_MAINTAINER "${halvo_default_maintainer}" CACHE STRING "The Debian package's maintainer: Name <mail>")
# Debian wants the change log compressed, without a time stamp, so the package builds the same each time;
# its entries are signed by the maintainer.
configure_file(${PROJECT_SOURCE_DIR}/packaging/debian/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
set(HALVO_CHANGELOG_GZ ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${HALVO_CHANGELOG_GZ}
    COMMAND sh -c "gzip -9nc '${CMAKE_BINARY_DIR}/packaging/changelog' > '${HALVO_CHANGELOG_GZ}'"
    DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog
    VERBATIM)
add_custom_target(halvo-changelog ALL DEPENDS ${HALVO_CHANGELOG_GZ})
install(FILES ${HALVO_CHANGELOG_GZ} DESTINATION ${HALVO_DOC_DIR})
set(HALVO_MANPAGE_GZ ${CMAKE_BINARY_DIR}/packaging/halvo-shutdown.1.gz)
add_custom_command(OUTPUT ${HALVO_MANPAGE_GZ}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND sh -c "gzip -9nc '${PROJECT_SOURCE_DIR}/packaging/halvo-shutdown.1' > '${HALVO_MANPAGE_GZ}'"
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/halvo-shutdown.1
    VERBATIM)
add_custom_target(halvo-manpage ALL DEPENDS ${HALVO_MANPAGE_GZ})
install(FILES ${HALVO_MANPAGE_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME halvo-shutdown)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Halvo Shutdown developers")
set(CPACK_PACKAGE_CONTACT "${HALVO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shut down, restart, log off or lock the computer on a schedule")
set(CPACK_PACKAGE_DESCRIPTION
    "Halvo Shutdown lives in the notification area and ends or interrupts work at
the computer: it shuts down, powers off, restarts, logs off, locks the screen,
starts the screen saver, closes programs, runs a command line or pops up a
message, at once, after a delay, at a time of day or from a list of named
schedule items, with a one-minute reminder that can cancel the action.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# A homepage field only for an address that exists: the build's HALVO_HOMEPAGE_URL, when one is given.
if(HALVO_HOMEPAGE_URL)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${HALVO_HOMEPAGE_URL}")
endif()
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Linux backend asks logind over D-Bus; without it the session actions fail with a message.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "default-logind | logind")
# setcap, for the post-install that gives the wake helper CAP_WAKE_ALARM.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcap2-bin")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/debian/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
