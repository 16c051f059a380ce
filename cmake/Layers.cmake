# The product's folders as layers: each is a static library that includes
# headers only from itself and the layers below it, and links only
# downwards. A layer compiles against an include view generated under
# build/layers/: a folder of links to the source folders it may use, so an
# include of a layer above it (or beside it) does not build.
#
# Components register their classes from static objects, which a linker
# leaves out of a program when nothing names them: every layer is linked
# whole.

set(QUORVEL_LAYERS "")

# quorvel_layer(NAME [BELOW LAYER...] [EXCLUDE REGEX]): the library NAME
# from NAME/*.cpp and NAME/*.S (less the files matching REGEX), over the
# layers BELOW it. Appends NAME to QUORVEL_LAYERS.
function(quorvel_layer name)
    cmake_parse_arguments(PARSE_ARGV 1 LAYER "" "EXCLUDE" "BELOW")
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${name}/*.cpp
                                        ${CMAKE_SOURCE_DIR}/${name}/*.S)
    if(LAYER_EXCLUDE)
        list(FILTER sources EXCLUDE REGEX "${LAYER_EXCLUDE}")
    endif()
    add_library(${name} STATIC ${sources})

    # The layer sees itself and whatever each layer below it sees.
    set(sees ${name})
    foreach(below ${LAYER_BELOW})
        get_property(below_sees GLOBAL PROPERTY QUORVEL_SEES_${below})
        list(APPEND sees ${below_sees})
        target_link_libraries(${name} PUBLIC "$<LINK_LIBRARY:WHOLE_ARCHIVE,${below}>")
    endforeach()
    list(REMOVE_DUPLICATES sees)
    set_property(GLOBAL PROPERTY QUORVEL_SEES_${name} ${sees})

    quorvel_include_view(view ${name} "${sees}" "")
    target_include_directories(${name} PRIVATE ${view})

    list(APPEND QUORVEL_LAYERS ${name})
    set(QUORVEL_LAYERS ${QUORVEL_LAYERS} PARENT_SCOPE)
endfunction()

# quorvel_use_layer(TARGET LAYER [TESTS]): TARGET links LAYER (and all below
# it) and includes what LAYER sees; with TESTS also tests/support and the
# tests of those layers.
function(quorvel_use_layer target layer)
    cmake_parse_arguments(PARSE_ARGV 2 USE "TESTS" "" "")
    get_property(sees GLOBAL PROPERTY QUORVEL_SEES_${layer})
    if(USE_TESTS)
        set(tests support ${sees})
        quorvel_include_view(view tests-${layer} "${sees}" "${tests}")
    else()
        quorvel_include_view(view ${layer} "${sees}" "")
    endif()
    target_include_directories(${target} PRIVATE ${view})
    target_link_libraries(${target} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${layer}>")
endfunction()

# quorvel_include_view(OUT NAME FOLDERS TEST_FOLDERS): makes
# build/layers/NAME with links to resources/, to each of FOLDERS and to
# tests/<each of TEST_FOLDERS that exists>; sets OUT to its path.
function(quorvel_include_view out name folders test_folders)
    set(view ${CMAKE_BINARY_DIR}/layers/${name})
    file(REMOVE_RECURSE ${view})
    file(MAKE_DIRECTORY ${view})
    foreach(folder resources ${folders})
        file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${view}/${folder} SYMBOLIC)
    endforeach()
    foreach(folder ${test_folders})
        if(IS_DIRECTORY ${CMAKE_SOURCE_DIR}/tests/${folder})
            file(MAKE_DIRECTORY ${view}/tests)
            file(CREATE_LINK ${CMAKE_SOURCE_DIR}/tests/${folder} ${view}/tests/${folder} SYMBOLIC)
        endif()
    endforeach()
    set(${out} ${view} PARENT_SCOPE)
endfunction()
