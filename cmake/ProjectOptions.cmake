# Warnings and sanitizers apply to our own targets only.
function(biorhythm_target_options target)
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

# One GoogleTest executable per test folder; every *.cpp in it belongs to it.
function(biorhythm_add_test_folder name folder)
  cmake_parse_arguments(ARG "" "MAIN" "LIBS" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  if(NOT _sources)
    return()
  endif()
  add_executable(${name} ${_sources})
  biorhythm_target_options(${name})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
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

# Coverage for libFuzzer in every library the fuzz targets link.
if(BIORHYTHM_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
