// kalimor-cli angle ... and inverse ...: the calculators and angle notations.
#include "cli/Cli.h"
#include "core/Angles.h"
#include "core/Calculators.h"
#include "core/NumberParse.h"
#include "core/NumberText.h"

namespace kalimor::cli {
namespace {

int runAngle(Context& ctx)
{
    std::vector<std::string>& a = ctx.args;
    RejectOptions(a);
    if (a.empty())
        throw UsageError("Missing angle operation");
    const std::string& op = a[0];
    if (op == "text") {
        ExpectArgs(a, 3);
        const std::string& notation = a[1];
        AngleNotation n;
        if (notation == "degrees")
            n = AngleNotation::DegreeSigns;
        else if (notation == "compact")
            n = AngleNotation::Compact;
        else if (notation == "spaced")
            n = AngleNotation::Spaced;
        else if (notation == "packed")
            n = AngleNotation::Packed;
        else
            throw UsageError("Unknown notation: " + notation);
        ctx.out(PackedToAngleText(n, StrToFloat(Arg(a[2]))));
        return kOk;
    }
    if (op == "radians") {
        ExpectArgs(a, 2);
        ctx.out(PackedTextToRadiansText(Arg(a[1])));
        return kOk;
    }
    if (op == "packed") {
        ExpectArgs(a, 2);
        ctx.out(RadiansTextToPackedText(Arg(a[1])));
        return kOk;
    }
    if (op == "decimal") {
        ExpectArgs(a, 2);
        ctx.out(DecimalDegreesToPacked(Arg(a[1])));
        return kOk;
    }
    throw UsageError("Unknown angle operation: " + op);
}

int runInverse(Context& ctx)
{
    ExpectArgs(ctx.args, 4);
    const auto r = ComputeInverseProblem(Arg(ctx.args[0]), Arg(ctx.args[1]), Arg(ctx.args[2]), Arg(ctx.args[3]));
    ctx.out(r.edDir + " " + r.edDirRad + " " + r.edHD);
    return kOk;
}

const Registration angle({"angle",
                          "  angle text degrees|compact|spaced|packed PACKED   a packed angle D.MMSSs as text\n"
                          "  angle radians PACKED                             packed angle to radians\n"
                          "  angle packed RADIANS                             radians to packed angle text\n"
                          "  angle decimal DEGREES                            decimal degrees to packed angle",
                          runAngle});

const Registration inverse({"inverse",
                            "  inverse X1 Y1 X2 Y2                              direction (packed and radians) and\n"
                            "                                                   distance from point 1 to point 2",
                            runInverse});

} // namespace
} // namespace kalimor::cli
