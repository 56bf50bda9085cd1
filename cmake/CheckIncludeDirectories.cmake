# Fails the configuration when a project target names an include directory
# outside the source or build tree (such as "/" from a mangled path), directly
# or for its consumers. Generator expressions are checked as written, so a
# target's own paths are best given as plain absolute paths.
function(quillo_check_include_directories directory)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        foreach(property INCLUDE_DIRECTORIES INTERFACE_INCLUDE_DIRECTORIES)
            get_target_property(paths ${target} ${property})
            if(NOT paths)
                continue()
            endif()
            foreach(path IN LISTS paths)
                string(GENEX_STRIP "${path}" plain)
                if(plain STREQUAL "")
                    continue()
                endif()
                cmake_path(NORMAL_PATH plain OUTPUT_VARIABLE normal)
                cmake_path(IS_PREFIX PROJECT_SOURCE_DIR "${normal}" NORMALIZE in_source)
                cmake_path(IS_PREFIX PROJECT_BINARY_DIR "${normal}" NORMALIZE in_build)
                if(NOT in_source AND NOT in_build)
                    message(FATAL_ERROR
                        "${target}: include directory \"${path}\" (${property}) lies outside "
                        "the repository; link the target that provides it instead")
                endif()
            endforeach()
        endforeach()
    endforeach()
    get_property(children DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(child IN LISTS children)
        quillo_check_include_directories(${child})
    endforeach()
endfunction()
