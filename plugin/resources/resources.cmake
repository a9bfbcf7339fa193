# Embeds the files under plugin/resources (help pages, pictures, icons,
# cursors, menus) into the plug-in: embed_resources.cmake writes them into one
# generated source, rebuilt whenever one of them changes. Included from
# plugin/CMakeLists.txt after the plug-in's targets exist.

set(VX_RESOURCE_DIR ${CMAKE_CURRENT_LIST_DIR})
file(GLOB_RECURSE VX_RESOURCE_FILES CONFIGURE_DEPENDS
  ${VX_RESOURCE_DIR}/help/ja/*
  ${VX_RESOURCE_DIR}/help/en/*
  ${VX_RESOURCE_DIR}/help/pictures/*
  ${VX_RESOURCE_DIR}/images/*
  ${VX_RESOURCE_DIR}/menus/*)
set(VX_EMBEDDED_SOURCE ${CMAKE_CURRENT_BINARY_DIR}/embedded_resources.cpp)

add_custom_command(
  OUTPUT ${VX_EMBEDDED_SOURCE}
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${VX_RESOURCE_DIR} -DOUTPUT=${VX_EMBEDDED_SOURCE}
          -P ${VX_RESOURCE_DIR}/embed_resources.cmake
  DEPENDS ${VX_RESOURCE_FILES} ${VX_RESOURCE_DIR}/embed_resources.cmake
  COMMENT "Embedding the plug-in's help pages, pictures, icons, cursors and menus"
  VERBATIM)

target_sources(vx_plugin_objects PRIVATE ${VX_EMBEDDED_SOURCE})
