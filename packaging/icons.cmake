# The program's icon as PNG files, rendered from packaging/halvex.svg at build time with Qt's SVG
# renderer (qt6-svg-dev, needed to build only): the sizes of the hicolor icon theme, which the
# package installs, and those the window module carries as its window icon.
find_package(Qt6 REQUIRED COMPONENTS Svg)

set(HALVEX_ICON_SVG ${PROJECT_SOURCE_DIR}/packaging/halvex.svg)
set(HALVEX_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(HALVEX_ICON_SIZES 16 22 24 32 48 64 128 256)
# A task bar or window switcher on X11 takes the window's own icon and scales the nearest size;
# the larger ones would cost the start some milliseconds (the X server is sent every size).
set(HALVEX_WINDOW_ICON_SIZES 16 24 32 48 64)

add_executable(halvex_iconpngs ${PROJECT_SOURCE_DIR}/tools/iconpngs.cpp)
target_link_libraries(halvex_iconpngs PRIVATE Qt6::Gui Qt6::Svg)

set(HALVEX_ICON_PNGS)
foreach(size IN LISTS HALVEX_ICON_SIZES)
    list(APPEND HALVEX_ICON_PNGS ${HALVEX_ICON_DIR}/halvex-${size}.png)
endforeach()
add_custom_command(
    OUTPUT ${HALVEX_ICON_PNGS}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:halvex_iconpngs> ${HALVEX_ICON_SVG} ${HALVEX_ICON_DIR} ${HALVEX_ICON_SIZES}
    DEPENDS halvex_iconpngs ${HALVEX_ICON_SVG}
    COMMENT "Rendering the icon in its PNG sizes"
    VERBATIM)
add_custom_target(halvex_icons ALL DEPENDS ${HALVEX_ICON_PNGS})
