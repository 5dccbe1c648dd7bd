# Template and default cookbooks, built from the SQL scripts in database/sql with sqlite3.
# resource/NEW_INGS.TWS and resource/NEW_RCPS.TWS are the templates a new cookbook is copied
# from, CookBks/Cookbook.TWS the default cookbook, fixtures/Cookbook-1.2.TWS a cookbook of the
# previous schema version for the upgrade tests, resource/CONFIG.MDB the import's configuration
# database. The unit seed (seed_units.sql) is used when present.
find_program(SQLITE3 sqlite3 REQUIRED)

set(sql ${CMAKE_SOURCE_DIR}/database/sql)
set(schema ${sql}/tables.sql ${sql}/queries.sql)
set(seeds ${sql}/seed_units.sql ${sql}/seed-core.sql)
set(current_scripts ${schema} ${sql}/list-indexes.sql ${sql}/views-1.3.sql ${seeds} ${sql}/version-1.3.sql)
set(previous_scripts ${schema} ${seeds} ${sql}/version-1.2.sql)

# CONFIGURE_DEPENDS-like: a unit seed added later is picked up at the next build.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${sql})

function(savorum_cookbook output)
  set(scripts ${ARGN})
  set(existing)
  foreach(script IN LISTS scripts)
    if(EXISTS ${script})
      list(APPEND existing ${script})
    endif()
  endforeach()
  string(REPLACE ";" "\\;" script_arg "${existing}")
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} "-DSCRIPTS=${script_arg}"
            -P ${CMAKE_SOURCE_DIR}/cmake/BuildCookbook.cmake
    DEPENDS ${existing} ${CMAKE_SOURCE_DIR}/cmake/BuildCookbook.cmake
    COMMENT "Building ${output}")
endfunction()

set(SAVORUM_TEMPLATES
  ${CMAKE_BINARY_DIR}/resource/NEW_INGS.TWS
  ${CMAKE_BINARY_DIR}/resource/NEW_RCPS.TWS
  ${CMAKE_BINARY_DIR}/CookBks/Cookbook.TWS)
# The ingredient catalogue goes into the template a new cookbook is copied from and into the
# default cookbook; the default cookbook's recipes only into the default cookbook.
set(catalogue ${sql}/catalogue.sql)
savorum_cookbook(${CMAKE_BINARY_DIR}/resource/NEW_INGS.TWS ${current_scripts} ${catalogue})
savorum_cookbook(${CMAKE_BINARY_DIR}/resource/NEW_RCPS.TWS ${current_scripts})
savorum_cookbook(${CMAKE_BINARY_DIR}/CookBks/Cookbook.TWS ${current_scripts} ${catalogue}
                 ${sql}/default-cookbook.sql)
# The import's configuration database.
set(SAVORUM_CONFIG_DATABASE ${CMAKE_BINARY_DIR}/resource/CONFIG.MDB)
savorum_cookbook(${SAVORUM_CONFIG_DATABASE} ${sql}/config.sql)
set(SAVORUM_OLD_COOKBOOK ${CMAKE_BINARY_DIR}/fixtures/Cookbook-1.2.TWS)
savorum_cookbook(${SAVORUM_OLD_COOKBOOK} ${previous_scripts})

add_custom_target(templates ALL DEPENDS ${SAVORUM_TEMPLATES} ${SAVORUM_OLD_COOKBOOK} ${SAVORUM_CONFIG_DATABASE})
