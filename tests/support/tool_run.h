// Runs the built kbdtool as a child process inside a temporary folder of its own, which is
// also its working folder: a file named without a folder is made there.
#pragma once

#include "temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

struct ToolRun {
    int status = -1; // -1 when the program did not exit normally
    std::string out;
    std::string err;
};

class ToolTest : public testing::Test {
protected:
    // `args` goes through the shell after the captures, so a test may add its own
    // redirection of standard output.
    ToolRun Run(const std::string& args) const;

    std::string Path(const std::string& name) const { return folder_.file(name); }
    std::string Read(const std::string& name) const { return folder_.read(name); }
    void Write(const std::string& name, const std::string& bytes) const {
        folder_.write(name, bytes);
    }
    // Lets a test see that no file, partial or temporary, was left behind.
    std::vector<std::string> Names() const { return folder_.entries(); } // sorted

private:
    kbd::testing::TempFolder folder_; // a name the shell needs no quotes for
};

// The built-in layout as kbdtool's JSON, fields in the layout's order.
nlohmann::ordered_json DefaultJson();
