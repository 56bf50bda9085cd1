include(GoogleTest)

# quillo_add_test(NAME name LABEL unit|behaviour|desktop SOURCES ... LIBS ...)
# One GoogleTest executable, registered with CTest under the given label.
function(quillo_add_test)
    cmake_parse_arguments(ARG "" "NAME;LABEL" "SOURCES;LIBS" ${ARGN})
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main
                                              quillo_build_flags)
    gtest_discover_tests(${ARG_NAME}
        PROPERTIES LABELS ${ARG_LABEL}
        DISCOVERY_TIMEOUT 60
        NO_PRETTY_VALUES)
endfunction()
