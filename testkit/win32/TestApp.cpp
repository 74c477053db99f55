#include "testkit/win32/TestApp.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace kvtest {

namespace {

std::string ProgramKey() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = path;
    name = name.substr(name.find_last_of("\\/") + 1);
    name = name.substr(0, name.find('.'));
    char key[128];
    std::snprintf(key, sizeof(key), "KvTests\\%s-%08lX", name.c_str(),
                  static_cast<unsigned long>(::GetCurrentProcessId()));
    return key;
}

class RegistryEnvironment : public testing::Environment {
public:
    void TearDown() override {
        const std::string key = "Software\\" + ProgramKey();
        ::RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
        ::RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
        ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KvTests"); // only when empty
    }
};

const testing::Environment* const registryEnvironment =
    testing::AddGlobalTestEnvironment(new RegistryEnvironment);

} // namespace

std::string SourceHelpFolder() {
    std::string folder = "Z:" KV_SOURCE_DIR "/help/";
    for (char& c : folder)
        c = c == '/' ? '\\' : c;
    return folder;
}

std::string TestRegistryBase(const std::string& name) {
    return name.empty() ? ProgramKey() : ProgramKey() + "\\" + name;
}

} // namespace kvtest
