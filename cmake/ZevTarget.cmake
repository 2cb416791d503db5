# Shared compile settings for every target of the project.
set(ZEV_WARNINGS -Wall -Wextra -Wpedantic)
if(ZEV_WERROR)
  list(APPEND ZEV_WARNINGS -Werror)
endif()

if(ZEV_SANITIZE)
  add_compile_options(-fsanitize=${ZEV_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${ZEV_SANITIZE})
endif()

# Every translation unit must see the same forms of the pair types.
if(ZEV_PORTABLE)
  add_compile_definitions(ZEV_PORTABLE)
endif()

# Fuzz builds instrument every library for libFuzzer's coverage guidance;
# only the fuzz targets link the fuzzer itself.
if(ZEV_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ZEV_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# zev_library(<name> DEPENDS ...): a layer library of every .cpp file in the
# calling folder (not its subfolders).
function(zev_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_options(${name} PRIVATE ${ZEV_WARNINGS})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
endfunction()

function(zev_warnings target)
  target_compile_options(${target} PRIVATE ${ZEV_WARNINGS})
endfunction()
