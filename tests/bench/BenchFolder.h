#pragma once
#include <windows.h>

#include <string>

namespace bench {

// The build tree: bench programs live in its "tests" folder.
inline std::string BuildFolder()
{
    char module[MAX_PATH];
    std::string path(module, GetModuleFileNameA(nullptr, module, sizeof module));
    path = path.substr(0, path.rfind('\\'));
    return path.substr(0, path.rfind('\\'));
}

} // namespace bench
