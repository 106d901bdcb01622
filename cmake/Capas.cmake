# The layers of src/: each folder is a library that links only the layers below it, and that
# compiles against an include folder of its own holding only itself and those layers, so that an
# include that runs back up finds no file and fails to build. The includes keep their form
# ("settings/Ajustes.h"): the include folder, build/capas/<layer>/, holds a symbolic link per
# folder of src/ the layer may see.
#
#   rebanex_capa(CARPETA [USA LAYER...])
#       The library rebanex_<CARPETA> from the .cpp files of src/<CARPETA> (a main.cpp is the
#       program's, not the layer's), linking the layers named.
#   rebanex_ver_capas(TARGET CARPETA [USA LAYER...])
#       The same include folder and links for a target of one's own (a program that is a layer).
#
# A layer sees itself, the layers it names and whatever those see. A layer that sits in a
# folder of another (REBANEX_CAPAS_ANIDADAS) is left out of the include folders of the layers
# that may not see it.

set(REBANEX_SRC ${PROJECT_SOURCE_DIR}/src)
set(REBANEX_CAPAS_ANIDADAS app/win32)

function(rebanex_capa carpeta)
    cmake_parse_arguments(PARSE_ARGV 1 capa "" "" "USA")
    file(GLOB fuentes CONFIGURE_DEPENDS ${REBANEX_SRC}/${carpeta}/*.cpp)
    list(FILTER fuentes EXCLUDE REGEX "/main\\.cpp$")
    string(REPLACE "/" "_" nombre "rebanex_${carpeta}")
    add_library(${nombre} STATIC ${fuentes})
    rebanex_ver_capas(${nombre} ${carpeta} USA ${capa_USA})
endfunction()

function(rebanex_ver_capas objetivo carpeta)
    cmake_parse_arguments(PARSE_ARGV 2 capa "" "" "USA")
    target_link_libraries(${objetivo} PUBLIC rebanex_opciones)
    set(visibles ${carpeta})
    foreach(usada IN LISTS capa_USA)
        get_property(debajo GLOBAL PROPERTY REBANEX_VISIBLES_${usada})
        if(NOT debajo)
            message(FATAL_ERROR "layer '${carpeta}' uses '${usada}', which is no layer defined before it")
        endif()
        list(APPEND visibles ${debajo})
        string(REPLACE "/" "_" biblioteca "rebanex_${usada}")
        target_link_libraries(${objetivo} PUBLIC ${biblioteca})
    endforeach()
    list(REMOVE_DUPLICATES visibles)
    set_property(GLOBAL PROPERTY REBANEX_VISIBLES_${carpeta} ${visibles})

    string(REPLACE "/" "_" nombre "${carpeta}")
    set(raiz ${CMAKE_BINARY_DIR}/capas/${nombre})
    file(REMOVE_RECURSE ${raiz})  # removes the links, never what they point at
    foreach(visible IN LISTS visibles)
        _rebanex_enlazar(${raiz} ${visible} "${visibles}")
    endforeach()
    target_include_directories(${objetivo} PUBLIC ${raiz})
endfunction()

# Links src/<carpeta> into `raiz`, whole unless it holds a layer that may not be seen: then
# entry by entry, without that layer. A folder inside one already linked whole is skipped.
function(_rebanex_enlazar raiz carpeta visibles)
    foreach(otra IN LISTS visibles)
        string(FIND "${carpeta}" "${otra}/" posicion)
        if(posicion EQUAL 0)
            return()
        endif()
    endforeach()
    file(GLOB entradas CONFIGURE_DEPENDS LIST_DIRECTORIES true RELATIVE ${REBANEX_SRC}/${carpeta}
         ${REBANEX_SRC}/${carpeta}/*)
    set(ocultas "")
    foreach(entrada IN LISTS entradas)
        if("${carpeta}/${entrada}" IN_LIST REBANEX_CAPAS_ANIDADAS
           AND NOT "${carpeta}/${entrada}" IN_LIST visibles)
            list(APPEND ocultas ${entrada})
        endif()
    endforeach()
    get_filename_component(padre ${raiz}/${carpeta} DIRECTORY)
    file(MAKE_DIRECTORY ${padre})
    if(NOT ocultas)
        file(CREATE_LINK ${REBANEX_SRC}/${carpeta} ${raiz}/${carpeta} SYMBOLIC)
        return()
    endif()
    file(MAKE_DIRECTORY ${raiz}/${carpeta})
    foreach(entrada IN LISTS entradas)
        if(NOT entrada IN_LIST ocultas)
            file(CREATE_LINK ${REBANEX_SRC}/${carpeta}/${entrada} ${raiz}/${carpeta}/${entrada}
                 SYMBOLIC)
        endif()
    endforeach()
endfunction()
