# Pictures go into the program packed (src/art/packed_image.h): decoded and converted at build
# time, so that the program shows them without decoding PNGs or loading Qt's image-format
# plugins.
add_executable(tavrin_pack_pictures ${PROJECT_SOURCE_DIR}/tools/pictures/pack_pictures.cpp
                                    ${PROJECT_SOURCE_DIR}/src/art/packed_image.cpp)
target_include_directories(tavrin_pack_pictures PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(tavrin_pack_pictures PRIVATE Qt6::Gui)

# tavrin_add_packed_pictures(TARGET RESOURCE PREFIX [UNCOMPRESSED] PICTURES NAME PNG...) packs
# each PNG as "NAME.pix" into the resource RESOURCE of TARGET: ":PREFIX/NAME.pix". Uncompressed
# pictures are drawn from where the resource lies in the program, without a copy.
function(tavrin_add_packed_pictures target resource prefix)
    cmake_parse_arguments(P "UNCOMPRESSED" "" "PICTURES" ${ARGN})
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/${resource})
    set(packed)
    set(arguments)
    set(pngs)
    set(pictures ${P_PICTURES})
    while(pictures)
        list(POP_FRONT pictures name png)
        list(APPEND packed ${dir}/${name}.pix)
        list(APPEND arguments ${dir}/${name}.pix ${png})
        list(APPEND pngs ${png})
    endwhile()
    add_custom_command(OUTPUT ${packed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND tavrin_pack_pictures ${arguments}
        DEPENDS tavrin_pack_pictures ${pngs}
        COMMENT "Packing the pictures of ${resource}")
    set(options)
    if(P_UNCOMPRESSED)
        set(options OPTIONS --no-compress)
    endif()
    qt_add_resources(${target} ${resource} PREFIX ${prefix} BASE ${dir} FILES ${packed}
                     ${options})
endfunction()
