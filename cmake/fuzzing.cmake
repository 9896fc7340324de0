# The fuzz build (ZYF_FUZZ=ON, native only): every source compiled by g++ as in the native
# build, with ASan, UBSan and g++'s coverage hooks, and the fuzz targets linked to clang 14's
# libFuzzer runtime. g++ rather than clang because clang has no GBK execution character set:
# the program's literals would become UTF-8 and the fuzzed code would not be the program's.
# fuzz/support/gcc_coverage_bridge.cpp hands g++'s block coverage to libFuzzer.
option(ZYF_FUZZ "Build the fuzz targets as libFuzzer programs (native only)" OFF)
if(ZYF_FUZZ)
  if(WIN32)
    message(FATAL_ERROR "ZYF_FUZZ is for the native build")
  endif()
  find_program(ZYF_CLANG NAMES clang clang-14 REQUIRED)
  execute_process(COMMAND ${ZYF_CLANG} -print-file-name=libclang_rt.fuzzer-${CMAKE_SYSTEM_PROCESSOR}.a
                  OUTPUT_VARIABLE ZYF_LIBFUZZER OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${ZYF_LIBFUZZER}" OR NOT EXISTS "${ZYF_LIBFUZZER}")
    message(FATAL_ERROR "libFuzzer's runtime not found (Debian package libclang-rt-14-dev)")
  endif()
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined
                      -fsanitize-coverage=trace-pc,trace-cmp)
  add_link_options(-fsanitize=address,undefined)
endif()
