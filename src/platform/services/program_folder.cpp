// SPDX-License-Identifier: MIT
#include "platform/services/program_folder.h"

#include <QCoreApplication>

namespace tarvo::platform {

namespace {
std::optional<std::string> folderForTest;
}

std::string programFolder() {
    if (folderForTest)
        return *folderForTest;
    std::string folder = QCoreApplication::applicationDirPath().toStdString();
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

std::string hostPath(std::string_view path) {
    std::string result;
    result.reserve(path.size());
    for (char c : path) {
        if (c == '\\')
            c = '/';
        if (c == '/' && !result.empty() && result.back() == '/')
            continue;
        result.push_back(c);
    }
    return result;
}

void setProgramFolderForTest(std::optional<std::string> folder) { folderForTest = std::move(folder); }

}  // namespace tarvo::platform
