#include <gtest/gtest.h>

#include "app/core/Version_Check.h"

namespace {

TEST(VersionCheck, ConvVersion)
{
    struct {
        const char* text;
        int value;
    } cases[] = {
        {"1.001", 1001},  {"VER. 1.002", 1002}, {"Ver. 12.005", -1}, {"ver.   2.000  ", 2000},
        {"1.00", -1},     {"", -1},             {"VER.", -1},        {"VER. 1.0x2", -1},
        {"VER. +.001", -1}, {"VER. 1.0\xd9\xa3" "2", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Conv_Version(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(VersionCheck, WhichAnswersMeanAnUpdate)
{
    struct {
        const char* answer;
        bool newer;
    } cases[] = {
        {"VER. 1.002", true}, {"Ver. 1.002", true},  {"  ver. 2.000 ", true}, {"VER. 0.000", false},
        {" ver. 0.000 ", false}, {"VER. 1.001", false}, {"1.001", false},   {"VER. 1.000", false},
        {"Ver. 12.005", false}, {"", false},          {"<html>error</html>", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Answer_Names_Newer_Version(c.answer), c.newer) << c.answer;
}

TEST(VersionCheck, FailuresMeanNoUpdate)
{
    const THttp_Request request = Version_Check_Request("127.0.0.1", 8080);
    EXPECT_EQ(request.Path, "/home/download/GetversionSW.asp?nomesw=CF48T21");
    EXPECT_EQ(request.Port, 8080);
    auto answering = [](QByteArray body, bool ok) {
        return [=](const THttp_Request&) {
            THttp_Response r;
            r.Ok = ok;
            r.Status = ok ? 200 : 500;
            r.Body = ok ? body : QByteArray();
            return r;
        };
    };
    EXPECT_TRUE(Check_Version(request, answering("VER. 1.002", true)));
    EXPECT_FALSE(Check_Version(request, answering("VER. 1.002", false)));
    EXPECT_FALSE(Check_Version(request, answering("VER. 0.000", true)));
}

}  // namespace
