#include <gtest/gtest.h>

#include <sstream>

#include "tool/Tool.h"

namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result runTool(const QStringList& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = tool::run(arguments, out, err);
    return {status, out.str(), err.str()};
}

TEST(Tool, UsageErrorsEndWithTwoAndAUsageLine) {
    for (const QStringList& arguments :
         {QStringList{"frobnicate"}, QStringList{"--frobnicate"},
          QStringList{"where", "--language"}, QStringList{"where", "extra"}}) {
        const Result result = runTool(arguments);
        EXPECT_EQ(result.status, 2) << arguments.join(' ').toStdString();
        EXPECT_NE(result.err.find("Usage: ordlykta"), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
    }
}

TEST(Tool, HelpNamesEveryCommandAndWhereTheWordsAre) {
    const Result result = runTool({"--help"});
    EXPECT_EQ(result.status, 0);
    for (const tool::Command& command : tool::commands()) {
        EXPECT_NE(result.out.find(std::string("ordlykta ") + command.name + " "), std::string::npos)
            << command.name;
        EXPECT_NE(result.out.find(command.example), std::string::npos) << command.name;
    }
    EXPECT_NE(result.out.find("Removing the package keeps them"), std::string::npos);
}

}  // namespace
