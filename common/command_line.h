// command_line.h -- the one command-line layer of the program and its tools, on getopt_long.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace common {

// One row of a program's table: an option (or, with no long name, an operand
// shown in the help). Adding an option is adding a row.
struct OptionRow {
    const char* longName;  // without dashes: "window-id"; null for an operand's help line
    char shortName;        // 'h'; 0 for none
    const char* argument;  // "ID" for --window-id ID; null when the option takes no value;
                           // in an operand's row, the operand's name ("FRAMES")
    const char* help;      // what it does; each '\n' starts an indented continuation line
    unsigned systems;  // the systems that offer it (platform/host_system.h's bits); 0: every one
};

// A help line of any other list (keys, environment variables): the label, what
// it does, and the systems that have it (0: every one).
struct HelpRow {
    const char* label;
    const char* help;
    unsigned systems;
};

enum class Request { none, help, version };

// An option as found, or an operand (option null), in command-line order.
struct Argument {
    const OptionRow* option;
    std::string value;  // the option's value (empty for one without), or the operand
};

struct ParsedArguments {
    // The first of -h, --help and --version before "--": it wins over every
    // other argument, good or bad.
    Request request = Request::none;
    std::vector<Argument> arguments;
    // The first argument the table does not take, named in one line; empty
    // when there is none. `arguments` stops before it.
    std::string error;
};

// Reads argv[1..argc-1] against `rows` (plus -h, --help and --version, which
// every program has) as this system (`system`, one bit of platform/host_system.h)
// offers them. GNU rules: --name VALUE and --name=VALUE, -h, short options
// grouped, "--" before operands, options and operands in any order. Long names
// are matched exactly, never by abbreviation, so that a new option never
// changes what an existing command line means. A row not offered on this
// system is an unknown option there. Safe to call any number of times.
ParsedArguments parseArguments(int argc, const char* const* argv,
                               const std::vector<OptionRow>& rows, unsigned system);
// The same for arguments without the program's name (the fuzz target, the tests).
ParsedArguments parseArguments(const std::vector<std::string>& args,
                               const std::vector<OptionRow>& rows, unsigned system);

// The "Options:" block of --help: a line for each row this system offers,
// then -h, --help and --version; ends with a newline.
std::string optionsHelp(const std::vector<OptionRow>& rows, unsigned system);

// Help lines of `rows` that this system has, with the label in the options'
// column; empty when it has none.
std::string helpRows(const std::vector<HelpRow>& rows, unsigned system);

// Prints `text` (the help) or "PROGRAM VERSION" to standard output. Returns
// the exit status: 0, or 1 after a line on standard error when standard output
// cannot be written.
int printHelp(const char* program, const std::string& text);
int printVersion(const char* program);

// Exit status for bad arguments.
constexpr int kExitUsage = 2;

// "PROGRAM: MESSAGE. Try 'PROGRAM --help'." as one line on standard error;
// returns kExitUsage.
int refuseArguments(const char* program, const std::string& message);

// An argument in single quotes for a message, with line breaks and other
// control characters written as \n, \t or \xNN, so that the message stays one
// line of text.
std::string quoted(const std::string& text);

// A whole number from 0 to `max`: decimal digits, or hexadecimal digits after
// 0x (or 0X); no sign, spaces or anything else. False for anything else.
bool parseNumber(const std::string& text, std::uint64_t max, std::uint64_t& value);

// The version of the program and its tools, e.g. "0.1.0".
const char* programVersion();

}  // namespace common
