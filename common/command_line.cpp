// command_line.cpp -- getopt_long under the program's and tools' tables; help, version, refusals.
#include "common/command_line.h"

#include <getopt.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace common {

static const OptionRow kHelpRow = {"help", 'h', nullptr, "show this help and exit", 0};
static const OptionRow kVersionRow = {"version", 0, nullptr, "show the version and exit", 0};

// getopt_long's codes for long options: past every character.
static constexpr int kFirstLongCode = 256;

static bool offeredOn(unsigned systems, unsigned system) {
    return systems == 0 || (systems & system) != 0;
}

// The rows this system offers, with help and version last.
static std::vector<const OptionRow*> offeredRows(const std::vector<OptionRow>& rows,
                                                 unsigned system) {
    std::vector<const OptionRow*> offered;
    for (const OptionRow& row : rows) {
        if (row.longName != nullptr && offeredOn(row.systems, system))
            offered.push_back(&row);
    }
    offered.push_back(&kHelpRow);
    offered.push_back(&kVersionRow);
    return offered;
}

static const OptionRow* findLong(const std::vector<const OptionRow*>& offered,
                                 const std::string& name) {
    for (const OptionRow* row : offered) {
        if (name == row->longName)
            return row;
    }
    return nullptr;
}

static const OptionRow* findShort(const std::vector<const OptionRow*>& offered, int name) {
    for (const OptionRow* row : offered) {
        if (row->shortName != 0 && row->shortName == name)
            return row;
    }
    return nullptr;
}

// What is wrong with a long option getopt_long refused or matched only by
// abbreviation: `element` is its whole argument ("--name" or "--name=VALUE").
static std::string longOptionError(const std::vector<const OptionRow*>& offered,
                                   const char* element) {
    const char* equals = std::strchr(element, '=');
    const std::string dashed = equals ? std::string(element, equals) : std::string(element);
    const OptionRow* row = findLong(offered, dashed.substr(2));
    if (row != nullptr && equals != nullptr && row->argument == nullptr)
        return "option " + quoted(dashed) + " takes no value";
    if (row != nullptr && row->argument != nullptr)
        return "option " + quoted(dashed) + " needs a value";
    return "unknown option " + quoted(dashed);
}

static std::string shortOptionError(const std::vector<const OptionRow*>& offered, int name) {
    const std::string dashed = std::string("-") + static_cast<char>(name);
    const OptionRow* row = findShort(offered, name);
    if (row != nullptr && row->argument != nullptr)
        return "option " + quoted(dashed) + " needs a value";
    return "unknown option " + quoted(dashed);
}

ParsedArguments parseArguments(int argc, const char* const* argv,
                               const std::vector<OptionRow>& rows, unsigned system) {
    const std::vector<const OptionRow*> offered = offeredRows(rows, system);
    std::vector<option> longOptions;
    // "-": operands come back in order, as code 1; ":": a missing value is ':'.
    std::string shortOptions = "-:";
    for (std::size_t i = 0; i < offered.size(); ++i) {
        const OptionRow* row = offered[i];
        const int hasArgument = row->argument != nullptr ? required_argument : no_argument;
        longOptions.push_back(
            {row->longName, hasArgument, nullptr, kFirstLongCode + static_cast<int>(i)});
        if (row->shortName != 0)
            shortOptions += std::string(1, row->shortName) + (row->argument ? ":" : "");
    }
    longOptions.push_back({nullptr, 0, nullptr, 0});
    // getopt_long may reorder its array (never the strings): give it a copy.
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i)
        args.push_back(const_cast<char*>(argv[i]));
    args.push_back(nullptr);

    ParsedArguments parsed;
    auto fail = [&parsed](const std::string& error) {
        if (parsed.error.empty())
            parsed.error = error;
    };
    auto add = [&parsed](const OptionRow* row, const char* value) {
        if (row == &kHelpRow || row == &kVersionRow) {
            if (parsed.request == Request::none)
                parsed.request = row == &kHelpRow ? Request::help : Request::version;
        } else if (parsed.error.empty()) {
            parsed.arguments.push_back(Argument{row, value != nullptr ? value : ""});
        }
    };
    // 0 starts a new scan (glibc and mingw-w64 alike); messages are ours.
    optind = 0;
    opterr = 0;
    bool inGroup = false;  // the last call took a short option from a group such as -hx
    while (true) {
        const int element = optind == 0 ? 1 : optind;
        const bool longElement =
            !inGroup && element < argc && std::strncmp(argv[element], "--", 2) == 0;
        int index = -1;
        const int code =
            getopt_long(argc, args.data(), shortOptions.c_str(), longOptions.data(), &index);
        if (code == -1)
            break;
        inGroup = optind == element;
        if (code == 1) {
            add(nullptr, optarg);
        } else if (code == '?' || code == ':') {
            fail(longElement ? longOptionError(offered, argv[element])
                             : shortOptionError(offered, optopt));
        } else if (code >= kFirstLongCode) {
            const OptionRow* row = offered[code - kFirstLongCode];
            const char* name = argv[element] + 2;
            const std::size_t length = std::strcspn(name, "=");
            // Exact names only: no abbreviations.
            if (std::strlen(row->longName) != length ||
                std::strncmp(name, row->longName, length) != 0)
                fail("unknown option " + quoted(std::string(argv[element], length + 2)));
            else
                add(row, optarg);
        } else {
            add(findShort(offered, code), optarg);
        }
    }
    // After "--": operands only.
    for (int i = optind; i < argc; ++i)
        add(nullptr, argv[i]);
    return parsed;
}

ParsedArguments parseArguments(const std::vector<std::string>& args,
                               const std::vector<OptionRow>& rows, unsigned system) {
    std::vector<const char*> argv = {"program"};
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    return parseArguments(static_cast<int>(argv.size()), argv.data(), rows, system);
}

// "  LABEL   help", the help in column 26 (on the next line after a long label),
// each continuation line indented as far.
static std::string helpLine(const std::string& label, const char* help) {
    static const std::string kIndent(25, ' ');
    std::string line = "  " + label;
    line += line.size() < kIndent.size() - 1 ? std::string(kIndent.size() - line.size(), ' ')
                                             : "\n" + kIndent;
    for (const char* c = help; *c != '\0'; ++c)
        line += *c == '\n' ? "\n" + kIndent : std::string(1, *c);
    return line + "\n";
}

std::string optionsHelp(const std::vector<OptionRow>& rows, unsigned system) {
    std::string text = "Options:\n";
    for (const OptionRow& row : rows) {
        if (row.longName == nullptr && offeredOn(row.systems, system))
            text += helpLine(row.argument, row.help);
    }
    for (const OptionRow* row : offeredRows(rows, system)) {
        std::string label = row->shortName != 0 ? std::string("-") + row->shortName + ", " : "";
        label += std::string("--") + row->longName;
        if (row->argument != nullptr)
            label += std::string(" ") + row->argument;
        text += helpLine(label, row->help);
    }
    return text;
}

std::string helpRows(const std::vector<HelpRow>& rows, unsigned system) {
    std::string text;
    for (const HelpRow& row : rows) {
        if (offeredOn(row.systems, system))
            text += helpLine(row.label, row.help);
    }
    return text;
}

static int finishOutput(const char* program) {
    if (std::ferror(stdout) || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "%s: cannot write the output: %s\n", program, std::strerror(errno));
        return 1;
    }
    return 0;
}

int printHelp(const char* program, const std::string& text) {
    std::fputs(text.c_str(), stdout);
    return finishOutput(program);
}

int printVersion(const char* program) {
    std::printf("%s %s\n", program, programVersion());
    return finishOutput(program);
}

int refuseArguments(const char* program, const std::string& message) {
    std::fprintf(stderr, "%s: %s. Try '%s --help'.\n", program, message.c_str(), program);
    return kExitUsage;
}

std::string quoted(const std::string& text) {
    static const char kHex[] = "0123456789abcdef";
    std::string result = "'";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            result += "\\n";
        } else if (c == '\t') {
            result += "\\t";
        } else if (byte < 0x20 || byte == 0x7f) {
            result += "\\x";
            result += kHex[byte >> 4];
            result += kHex[byte & 15];
        } else {
            result += c;
        }
    }
    return result + "'";
}

bool parseNumber(const std::string& text, std::uint64_t max, std::uint64_t& value) {
    const bool hex = text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::uint64_t base = hex ? 16 : 10;
    const std::size_t start = hex ? 2 : 0;
    if (text.size() == start)
        return false;
    std::uint64_t result = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        const char c = text[i];
        std::uint64_t digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<std::uint64_t>(c - '0');
        else if (hex && c >= 'a' && c <= 'f')
            digit = static_cast<std::uint64_t>(c - 'a' + 10);
        else if (hex && c >= 'A' && c <= 'F')
            digit = static_cast<std::uint64_t>(c - 'A' + 10);
        else
            return false;
        if (digit > max || result > (max - digit) / base)
            return false;
        result = result * base + digit;
    }
    value = result;
    return true;
}

const char* programVersion() {
    return FOOTBALL_VERSION;
}

}  // namespace common
