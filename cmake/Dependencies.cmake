# Net-SNMP: only the SNMP adapter in platform/ and the simulated switch see its headers.
find_program(NETSNMP_CONFIG net-snmp-config REQUIRED)
execute_process(COMMAND ${NETSNMP_CONFIG} --netsnmp-libs OUTPUT_VARIABLE NETSNMP_LIBS OUTPUT_STRIP_TRAILING_WHITESPACE)
separate_arguments(NETSNMP_LIBS UNIX_COMMAND "${NETSNMP_LIBS}")
add_library(netsnmp::snmp INTERFACE IMPORTED)
target_link_libraries(netsnmp::snmp INTERFACE ${NETSNMP_LIBS})
add_library(netsnmp::agent INTERFACE IMPORTED)
target_link_libraries(netsnmp::agent INTERFACE netsnmpagent ${NETSNMP_LIBS})

find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets)
find_package(JPEG REQUIRED)
find_package(GTest REQUIRED)
find_package(Threads REQUIRED)
