#pragma once
// The options every statement-producing subcommand accepts:
//   --angles degrees|compact|spaced   --decimals 0..4   --template 2d|3d
//   --no-names   --no-identification   --no-heading
#include <string>
#include <vector>

namespace kalimor {
struct ProcessingSettings;
}

namespace kalimor::cli {

enum class StatementKind { Traverse, Tacheometry };

struct StatementOptions {
    int angles = 0;          // item of "Формат углов в ведомостях"
    int decimals = 3;        // decimals of distances
    bool template3d = false; // --template 3d
    bool noNames = false;
    bool noIdentification = false;
    bool noHeading = false;
};

// Takes the statement options (as "--opt VALUE" or "--opt=VALUE") out of args and leaves
// everything else in order. A bad value throws UsageError.
StatementOptions TakeStatementOptions(std::vector<std::string>& args);

// Applies the settings part: angle notation, decimals, and the cleared flags. --no-names
// clears the option that shows point names in the statement of `kind`; --no-heading clears
// the heading options of both coordinate exports. The template is the caller's to apply.
void ApplyStatementOptions(const StatementOptions& options, StatementKind kind, ProcessingSettings& settings);

// The usage lines of these options, for a subcommand's usage text.
extern const char* const kStatementOptionsUsage;

} // namespace kalimor::cli
