#include "core/NumberParse.h"
#include "core/Errors.h"

#include <gtest/gtest.h>

using namespace kalimor;

TEST(StrToFloat, AcceptsPointSignExponentAndSurroundingBlanks)
{
    const std::pair<const char*, double> cases[] = {
        {"0", 0},          {"12.5", 12.5}, {" -3.25 ", -3.25}, {"+7", 7},    {"1e3", 1000},
        {"2.5E-2", 0.025}, {".5", 0.5},    {"5.", 5},          {"-0", -0.0}, {"\t42\t", 42},
    };
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(StrToFloat(text), value) << text;
}

TEST(StrToFloat, RejectsEverythingElseWithTheMessage)
{
    for (const char* text :
         {"", " ", "1,5", "nan", "inf", "-inf", "0x10", "12abc", "1e", ".", "-", "1 2", "--1", "1e999"}) {
        try {
            StrToFloat(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + text + "' is not a valid floating point value");
        }
    }
}
