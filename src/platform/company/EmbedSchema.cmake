# Writes the schema script into a C++ source as a raw string: cmake -DINPUT=schema.sql -DOUTPUT=file.cpp -P
file(READ "${INPUT}" script)
string(FIND "${script}" ")schema\"" clash)
if(NOT clash EQUAL -1)
  message(FATAL_ERROR "${INPUT} contains the raw-string delimiter )schema\"")
endif()
file(WRITE "${OUTPUT}" "// Generated from schema.sql; edit that file instead.\n#include \"company/SchemaScript.h\"\n\nnamespace company {\n\nstd::string_view schemaScript()\n{\n    static constexpr char text[] = R\"schema(${script})schema\";\n    return {text, sizeof text - 1};\n}\n\n} // namespace company\n")
