# tavrin_theme_images(<target>)
# Draws the images of the painted caption and frame from theme_images.json at build time and
# compiles them into the target as RCDATA resources (FRAMECAPTION, CLOSEBUTTON, …), where the theme
# data reads them.
function(tavrin_theme_images target)
  if(NOT WIN32)
    return()
  endif()
  set(TAVRIN_THEME_IMAGES_DIR ${TAVRIN_SOURCE_ROOT}/src/dialogs/theme_images)
  set(TAVRIN_THEME_IMAGE_NAMES FRAMECAPTION FRAMELEFT FRAMERIGHT FRAMEBOTTOM CAPTIONBUTTON CLOSEBUTTON
      CLOSEBUTTONGLYPH HELPBUTTONGLYPH MAXBUTTONGLYPH MINBUTTONGLYPH RESTOREBUTTONGLYPH)
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_theme_images)
  set(images)
  foreach(name ${TAVRIN_THEME_IMAGE_NAMES})
    list(APPEND images ${out}/${name}.bin)
  endforeach()
  add_custom_command(
    OUTPUT ${out}/theme_images.rc ${images}
    COMMAND Python3::Interpreter ${TAVRIN_THEME_IMAGES_DIR}/generate_theme_images.py
            ${TAVRIN_THEME_IMAGES_DIR}/theme_images.json ${out}
    DEPENDS ${TAVRIN_THEME_IMAGES_DIR}/generate_theme_images.py ${TAVRIN_THEME_IMAGES_DIR}/theme_images.json
    COMMENT "Drawing the theme frame's images for ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE ${out}/theme_images.rc)
  set_source_files_properties(${out}/theme_images.rc PROPERTIES GENERATED TRUE OBJECT_DEPENDS "${images}")
endfunction()
