# Every folder is one target; its sources are the .cpp/.h files beside the
# CMakeLists.txt, so adding a unit needs no build edit.

function(rsv_add_folder dir)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
    add_subdirectory(${dir})
  endif()
endfunction()

function(rsv_sources out)
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  set(${out} ${srcs} PARENT_SCOPE)
endfunction()

# A host layer: a shared library in lib/, one copy per process, so that its
# services (message responder, clock, open files) are the same for the host
# application, the module and the tests.
function(rsv_host_library name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  rsv_sources(srcs)
  add_library(${name} SHARED ${srcs})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# A folder of the module: objects that go into libReservering.so.
function(rsv_module_part name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  rsv_sources(srcs)
  add_library(rsv_${name} OBJECT ${srcs})
  target_link_libraries(rsv_${name} PUBLIC ${ARG_LIBS})
endfunction()

function(rsv_module_library name)
  set(objs)
  set(libs)
  foreach(part IN LISTS ARGN)
    if(NOT TARGET rsv_${part})
      continue()
    endif()
    list(APPEND objs $<TARGET_OBJECTS:rsv_${part}>)
    list(APPEND libs rsv_${part})
  endforeach()
  if(NOT objs)
    return()
  endif()
  add_library(${name} SHARED ${objs})
  # Only the interface usage requirements of the parts (their host libraries).
  foreach(lib IN LISTS libs)
    target_link_libraries(${name} PUBLIC $<TARGET_PROPERTY:${lib},INTERFACE_LINK_LIBRARIES>)
  endforeach()
endfunction()

# A test program of one folder: GoogleTest, run offscreen by CTest.
function(rsv_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} rsv_test_support GTest::gtest)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60)
endfunction()
