#pragma once
// The writable folder of the build tree that tests keep their files in (ctest runs tests in
// parallel processes, so each test names its own files there), else the temp folder.
#include <windows.h>

#include <cstdlib>
#include <string>

namespace testdata {

// Wine shows the host's root as drive Z:.
inline std::string WindowsPath(std::string path)
{
    if (!path.empty() && path[0] == '/')
        path = "Z:" + path;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

// SAVORUM_TEST_DATA is a host path.
inline std::string Folder()
{
    std::string folder;
    if (const char* data = std::getenv("SAVORUM_TEST_DATA"))
        folder = data;
    if (folder.empty())
    {
        char temp[MAX_PATH];
        folder.assign(temp, GetTempPathA(sizeof temp, temp));
    }
    folder = WindowsPath(folder);
    if (folder.back() == '\\')
        folder.pop_back();
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

}  // namespace testdata
