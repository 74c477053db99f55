#pragma once

// Where the tests keep their settings: every test program has a registry key
// of its own, HKEY_CURRENT_USER\Software\KvTests\<program>-<process id>, which
// goes with everything beneath it when the program ends. Nothing a test does
// touches the settings of a real installation or of another test program.
#include <string>

namespace kvtest {

// A base key for a registry settings store, below "Software": the program's
// test key, or a sub-key of it when a name is given.
std::string TestRegistryBase(const std::string& name = std::string());

} // namespace kvtest
