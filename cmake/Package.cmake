# The Debian package: exactly what `cmake --install` puts in place, with the
# runtime dependencies worked out from the binaries by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tivora-track-decoder)
set(CPACK_PACKAGE_VENDOR "Tivora Track Decoder developers")
set(CPACK_PACKAGE_CONTACT "Tivora Track Decoder developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "show, check and change track design files (*.td4)")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop program and the command-line tool td4 for the track design files
of an amusement-park building game. They show a design's ride type, vehicle,
operating mode and edition and every track segment with its elevations, and
mark the lines that leave the buildable range. Designs can be mirrored,
reversed, saved with a fresh checksum and exported as text.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The window's SVG icon needs Qt's SVG icon engine, a plug-in that no binary
# links; it comes with libqt6svg6, which td4 links for its SVG pictures, and
# scripts/package checks that the package depends on it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
