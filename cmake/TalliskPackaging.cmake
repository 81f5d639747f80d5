# SPDX-FileCopyrightText: 2026 The Tallisk developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Debian package: `cpack -G DEB` in a release build makes tallisk_<version>_<arch>.deb of
# everything `cmake --install` installs, the manual pages included. Its library dependencies
# come from dpkg-shlibdeps; scripts/check-package.sh builds it, runs lintian on it (which must
# report no error and no warning) and installs it.

set(CPACK_PACKAGE_NAME tallisk)
set(CPACK_PACKAGE_VENDOR "The Tallisk developers")
set(CPACK_PACKAGE_CONTACT "The Tallisk developers <${TALLISK_BUG_ADDRESS}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "decoder of Athlon, Athlon XP and Duron marking codes")
set(CPACK_PACKAGE_HOMEPAGE_URL ${PROJECT_HOMEPAGE_URL})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Release binaries carry no symbols in the package; directories are the usual 0755.
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The long description under the summary line; CPack indents it and marks the empty line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "\
Tallisk decodes the marking code printed on the lid of AMD Athlon, Athlon XP
and Duron processors: type the three lines of the code as they stand on the
chip and read seventeen properties, among them core, performance rating,
clock, voltage, caches, multiplier, bus and date of manufacture. The result
can be saved as an HTML table.

The package holds the window program, tallisk, and the command-line
decoder, tallisk-decode, which also reads whole collections of codes and
names the real part a code belongs to.")
# Libraries are found by dpkg-shlibdeps. A font is not a library: the windows are laid out for
# Liberation Sans, so its package is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")

# The package's own documents: the copyright file and the changelog, which Debian wants
# compressed at the highest level and without a time stamp.
if(UNIX AND NOT APPLE)
    set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
    # The changelog's date in RFC 2822 form, from the release date; 1 January 1970 was a
    # Thursday.
    string(REPLACE "-" ";" date_parts ${TALLISK_RELEASE_DATE})
    list(GET date_parts 0 year)
    list(GET date_parts 1 month)
    list(GET date_parts 2 day)
    math(EXPR month "${month}")
    math(EXPR day "${day}")
    math(EXPR month_index "${month} - 1")
    math(EXPR weekday "(${TALLISK_RELEASE_DAYS} + 4) % 7")
    set(weekday_names Sun Mon Tue Wed Thu Fri Sat)
    set(month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(GET weekday_names ${weekday} weekday_name)
    list(GET month_names ${month_index} month_name)
    string(LENGTH "${day}" day_length)
    if(day_length EQUAL 1)
        set(day 0${day})
    endif()
    set(TALLISK_RELEASE_DATE_RFC2822 "${weekday_name}, ${day} ${month_name} ${year} 00:00:00 +0000")

    set(changelog ${CMAKE_CURRENT_BINARY_DIR}/package/changelog)
    configure_file(share/debian/changelog.in ${changelog} @ONLY)
    add_custom_command(OUTPUT ${changelog}.gz
        COMMAND gzip -9 -n -f -k ${changelog}
        DEPENDS ${changelog}
        COMMENT "Compressing the changelog"
        VERBATIM)
    add_custom_target(tallisk_changelog ALL DEPENDS ${changelog}.gz)
    install(FILES share/debian/copyright ${changelog}.gz DESTINATION ${doc_dir})
endif()

include(CPack)
