# Warnings and sanitizers apply to our own targets only. PCH names the
# precompiled header the target reuses (cmake/Precompiled.cmake): code
# (default), tests, or none.
function(biorhythm_target_options target)
  cmake_parse_arguments(ARG "" "PCH" "" ${ARGN})
  if(NOT ARG_PCH)
    set(ARG_PCH code)
  endif()
  if(BIORHYTHM_PCH AND NOT ARG_PCH STREQUAL "none")
    set_property(TARGET ${target} PROPERTY PRECOMPILE_HEADERS_REUSE_FROM bio_pch_${ARG_PCH})
  endif()
  target_compile_features(${target} PUBLIC cxx_std_20)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wsuggest-override
    -ffp-contract=off -ffunction-sections -fdata-sections)
  # Code no program calls is left out: fewer pages to map at start.
  target_link_options(${target} PRIVATE -Wl,--gc-sections)
  if(BIORHYTHM_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# Debian's hardening, as `DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags`
# gives it (the compiler makes position-independent executables by default).
# Sanitized builds check more than this, and Debug ones have no optimisation
# for _FORTIFY_SOURCE to work with.
if(NOT BIORHYTHM_SANITIZE)
  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security -Wdate-time
    $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()

if(BIORHYTHM_SANITIZE)
  set(_san -fsanitize=address,undefined,float-divide-by-zero,float-cast-overflow
           -fno-sanitize-recover=undefined,float-divide-by-zero,float-cast-overflow
           -fno-omit-frame-pointer)
  add_compile_options(${_san})
  add_link_options(${_san})
endif()

# Every test runs with the home and XDG folders inside the build tree, so a
# test run never reads or writes the developer's own configuration or data.
set(BIORHYTHM_TEST_HOME ${CMAKE_BINARY_DIR}/test-home)
set(BIORHYTHM_TEST_ENVIRONMENT
  "HOME=${BIORHYTHM_TEST_HOME}"
  "XDG_CONFIG_HOME=${BIORHYTHM_TEST_HOME}/.config"
  "XDG_DATA_HOME=${BIORHYTHM_TEST_HOME}/.local/share"
  "XDG_CACHE_HOME=${BIORHYTHM_TEST_HOME}/.cache"
  "XDG_STATE_HOME=${BIORHYTHM_TEST_HOME}/.local/state"
  "XDG_RUNTIME_DIR=${BIORHYTHM_TEST_HOME}/runtime")
file(MAKE_DIRECTORY ${BIORHYTHM_TEST_HOME}/runtime)
# Qt refuses a runtime folder that others can enter.
file(CHMOD ${BIORHYTHM_TEST_HOME}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# The calendar checks read files with Debian's icalendar module, which the
# system's interpreter has (a python3 of one's own, found first on PATH, may not).
find_program(BIORHYTHM_PYTHON3 python3 HINTS /usr/bin REQUIRED)

# One GoogleTest executable per test folder; every *.cpp in it belongs to it.
# The files compile in batches of eight per compiler run (a unity build): they
# share the test framework's and Qt's templates, which are then made once per
# batch rather than once per file. Names in anonymous namespaces must so differ
# between the files of a folder; a file that cannot is left out with the
# source property SKIP_UNITY_BUILD_INCLUSION. A fixture in an anonymous
# namespace is fine, hence -Wno-subobject-linkage.
function(biorhythm_add_test_folder name folder)
  cmake_parse_arguments(ARG "" "MAIN" "LIBS" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  if(NOT _sources)
    return()
  endif()
  add_executable(${name} ${_sources})
  biorhythm_target_options(${name} PCH tests)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  target_compile_options(${name} PRIVATE $<$<CXX_COMPILER_ID:GNU>:-Wno-subobject-linkage>)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock)
  if(ARG_MAIN)
    target_link_libraries(${name} PRIVATE ${ARG_MAIN})
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  # The discovery script splits a list given as a test property, so the
  # environment comes with the command that runs the listing and every test.
  set_property(TARGET ${name} PROPERTY CROSSCOMPILING_EMULATOR
    ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${BIORHYTHM_TEST_ENVIRONMENT})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
endfunction()

# A library made of every *.cpp in a folder; header-only while it has none.
function(biorhythm_add_library name folder)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  if(_sources)
    add_library(${name} STATIC ${_sources})
    biorhythm_target_options(${name})
    target_include_directories(${name} PUBLIC ${folder})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${folder})
    target_link_libraries(${name} INTERFACE ${ARG_LIBS})
  endif()
endfunction()

# Coverage for libFuzzer in every library the fuzz targets link; there any
# finding of a sanitizer, of whatever kind, ends the run.
if(BIORHYTHM_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link -fno-sanitize-recover=all)
  add_link_options(-fno-sanitize-recover=all)
endif()
