#include "core/ProcessingSettings.h"
#include "core/Errors.h"

#include <gtest/gtest.h>

using namespace kalimor;

TEST(ProcessingSettings, InitialValues)
{
    const ProcessingSettings s;
    EXPECT_TRUE(s.ckbCourse && s.ckbPolevik && s.ckbCameral && s.ckbInstrument);
    EXPECT_TRUE(s.edNameCourseID.empty() && s.edNamePolevik.empty() && s.edNameCameral.empty() &&
                s.edinstrument.empty());
    EXPECT_EQ(s.sePrecession, 60);
    EXPECT_EQ(s.seLinePrecession, 3);
    EXPECT_EQ(s.seAnglePrecession, 1);
    EXPECT_EQ(s.edCourseTemplate, "");
    EXPECT_EQ(s.edPiketTemplate, "");
    EXPECT_EQ(s.cbFormatAngle, 0);
    EXPECT_EQ(s.cbSelectNamePoint, 0);
    EXPECT_FALSE(s.ckbhoriz);
    EXPECT_FALSE(s.ckbRef);
    EXPECT_EQ(s.edRef, "0.14");
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(s.IsOptionSet(i)) << i;
}

TEST(ProcessingSettings, IsOptionSetFollowsTheListAndRefusesOtherPositions)
{
    ProcessingSettings s;
    s.additionOptions[4] = false;
    EXPECT_FALSE(s.IsOptionSet(4));
    EXPECT_TRUE(s.IsOptionSet(3));
    EXPECT_FALSE(s.IsOptionSet(-1));
    EXPECT_FALSE(s.IsOptionSet(8));
}

TEST(ProcessingSettings, ProgramSetSpinValuesAreClamped)
{
    struct Case {
        void (ProcessingSettings::*set)(int);
        int ProcessingSettings::*field;
        int value, stored;
    };
    const Case cases[] = {
        {&ProcessingSettings::setPrecession, &ProcessingSettings::sePrecession, 250, 100},
        {&ProcessingSettings::setPrecession, &ProcessingSettings::sePrecession, -5, 0},
        {&ProcessingSettings::setPrecession, &ProcessingSettings::sePrecession, 45, 45},
        {&ProcessingSettings::setLinePrecession, &ProcessingSettings::seLinePrecession, 9, 4},
        {&ProcessingSettings::setLinePrecession, &ProcessingSettings::seLinePrecession, -1, 0},
        {&ProcessingSettings::setLinePrecession, &ProcessingSettings::seLinePrecession, 2, 2},
        {&ProcessingSettings::setAnglePrecession, &ProcessingSettings::seAnglePrecession, 0, 1},
        {&ProcessingSettings::setAnglePrecession, &ProcessingSettings::seAnglePrecession, 3, 2},
    };
    for (const auto& c : cases) {
        ProcessingSettings s;
        (s.*c.set)(c.value);
        EXPECT_EQ(s.*c.field, c.stored) << c.value;
    }
}

TEST(ProcessingSettings, CorrectionCoefficientsOnlyWhileTheirFlagsAreSet)
{
    ProcessingSettings s;
    s.edRef = "abc";
    EXPECT_EQ(s.curvatureCoefficient(), 0);
    EXPECT_EQ(s.refractionCoefficient(), 0); // edRef is not read while ckbRef is clear
    s.ckbhoriz = true;
    EXPECT_DOUBLE_EQ(s.curvatureCoefficient(), 7.848061528802386e-08);
    s.ckbRef = true;
    EXPECT_THROW(s.refractionCoefficient(), ConversionError);
    s.edRef = "0.14";
    EXPECT_DOUBLE_EQ(s.refractionCoefficient(), -0.14 / 12742000);
}
