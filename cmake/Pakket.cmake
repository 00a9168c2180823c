# The Debian package (scripts/package): everything under /opt/reservering in the
# same bin/ lib/ share/gvl layout as the build tree, so that the programs find
# the module, the host libraries and the grid layouts relative to themselves
# exactly as they do in build/. Commands, man pages, the desktop entry and the
# icon go to the usual places under /usr.

set(RSV_PREFIX /opt/reservering)
set(RSV_PROGRAMS rsvhost rsvcheck rsvdemo kassaserver)

# Every shared library the build makes outside tests/ and bench/.
function(rsv_shared_libraries dir out)
  set(found)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(t IN LISTS targets)
    get_target_property(type ${t} TYPE)
    if(type STREQUAL "SHARED_LIBRARY")
      list(APPEND found ${t})
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    if(NOT sub MATCHES "/(tests|bench)(/|$)")
      rsv_shared_libraries(${sub} below)
      list(APPEND found ${below})
    endif()
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

rsv_shared_libraries(${CMAKE_SOURCE_DIR} RSV_SHARED_LIBS)
set_target_properties(${RSV_PROGRAMS} ${RSV_SHARED_LIBS} PROPERTIES INSTALL_RPATH "$ORIGIN/../lib;$ORIGIN")
install(TARGETS ${RSV_PROGRAMS} RUNTIME DESTINATION ${RSV_PREFIX}/bin)
install(TARGETS ${RSV_SHARED_LIBS} LIBRARY DESTINATION ${RSV_PREFIX}/lib)
install(PROGRAMS ${CMAKE_SOURCE_DIR}/pakket/reservering DESTINATION ${RSV_PREFIX}/bin)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/layouts/ DESTINATION ${RSV_PREFIX}/share/gvl)

# /usr/bin links: the programs resolve their own directory through
# /proc/self/exe, which follows the link back into /opt/reservering/bin.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/pakket)
foreach(p IN LISTS RSV_PROGRAMS)
  file(CREATE_LINK ${RSV_PREFIX}/bin/${p} ${CMAKE_BINARY_DIR}/pakket/${p} SYMBOLIC)
  install(FILES ${CMAKE_BINARY_DIR}/pakket/${p} DESTINATION /usr/bin)
  install(FILES ${CMAKE_SOURCE_DIR}/pakket/man/${p}.1 DESTINATION /usr/share/man/man1)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/docs/beheer.md DESTINATION /usr/share/doc/reservering)
install(FILES ${CMAKE_SOURCE_DIR}/pakket/reservering.desktop DESTINATION /usr/share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/pakket/reservering.svg DESTINATION /usr/share/icons/hicolor/scalable/apps)

# cpack installs what scripts/package built, not the whole tree with its tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME reservering)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_CONTACT "Beheer Reservering <beheer@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Hotel room reservations: planning board, check-in, till server")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/lib)
# Not linked, so shlibdeps cannot see it: the font the forms are laid out with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
include(CPack)

# The installation test unpacks the .deb that cpack made, so it runs only in
# the build of scripts/package (building the package costs a minute).
option(RSV_PACKAGE_TEST "Test the Debian package made by cpack in this build directory" OFF)
if(RSV_PACKAGE_TEST)
  add_test(NAME pakket_installatie
           COMMAND ${CMAKE_SOURCE_DIR}/tests/pakket/installatie.sh ${CMAKE_BINARY_DIR})
endif()
