#include "Options.h"

#include <charconv>
#include <cmath>
#include <sstream>

namespace morva::gwsim {

namespace {

bool parseNumber(const std::string& text, double* value)
{
    if (text.empty())
        return false;
    try {
        std::size_t used = 0;
        *value = std::stod(text, &used);
        return used == text.size() && std::isfinite(*value) && *value >= 0;
    } catch (...) {
        return false;
    }
}

bool parseSeconds(const std::string& text, Millis* value)
{
    double seconds = 0;
    if (!parseNumber(text, &seconds) || seconds > 1e7)
        return false;
    *value = Millis(static_cast<long long>(std::llround(seconds * 1000)));
    return true;
}

bool parseCount(const std::string& text, std::uint64_t* value)
{
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *value);
    return !text.empty() && ec == std::errc() && end == text.data() + text.size();
}

// NAME or NAME:SECONDS; no seconds (or 0) holds until exit.
bool parseHold(const std::string& text, Hold* hold)
{
    const auto colon = text.rfind(':');
    hold->name = text.substr(0, colon);
    hold->duration = kUntilExit;
    if (colon != std::string::npos) {
        Millis duration{};
        if (!parseSeconds(text.substr(colon + 1), &duration))
            return false;
        if (duration.count() > 0)
            hold->duration = duration;
    }
    return isPlainFileName(hold->name);
}

} // namespace

bool isPlainFileName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string::npos;
}

bool parseCommandLine(const std::vector<std::string>& args, CommandLine* commandLine,
                      std::string* error)
{
    SimulatorOptions& o = commandLine->simulator;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string* out) {
            if (i + 1 >= args.size()) {
                *error = arg + " needs a value";
                return false;
            }
            *out = args[++i];
            return true;
        };
        auto bad = [&](const std::string& text) {
            *error = "bad value for " + arg + ": '" + text + "'";
            return false;
        };
        std::string v;
        std::uint64_t count = 0;
        if (arg == "--help" || arg == "-h") {
            commandLine->help = true;
        } else if (arg == "--commands") {
            commandLine->commandsFromStdin = true;
        } else if (arg == "--quiet") {
            commandLine->quiet = true;
        } else if (arg == "--lf") {
            o.crlf = false;
        } else if (!value(&v)) {
            if (arg.rfind("--", 0) != 0)
                *error = "unexpected argument '" + arg + "'";
            else if (error->empty())
                *error = "unknown option " + arg;
            return false;
        } else if (arg == "--program-dir") {
            o.programDir = v;
        } else if (arg == "--log-dir") {
            o.logDir = v;
        } else if (arg == "--rate") {
            if (!parseNumber(v, &o.rate) || o.rate > 1e6)
                return bad(v);
        } else if (arg == "--seed") {
            if (!parseCount(v, &count))
                return bad(v);
            o.seed = static_cast<std::uint32_t>(count);
        } else if (arg == "--prefill") {
            if (!parseCount(v, &count) || count > 10'000'000)
                return bad(v);
            o.prefillLines = static_cast<std::size_t>(count);
        } else if (arg == "--poll-ms") {
            if (!parseCount(v, &count) || count == 0 || count > 60000)
                return bad(v);
            o.poll = Millis(count);
        } else if (arg == "--stat-delay-ms") {
            if (!parseCount(v, &count) || count > 600000)
                return bad(v);
            o.statDelay = Millis(count);
        } else if (arg == "--rotate-every") {
            if (!parseSeconds(v, &o.rotateEvery))
                return bad(v);
        } else if (arg == "--truncate-every") {
            if (!parseSeconds(v, &o.truncateEvery))
                return bad(v);
        } else if (arg == "--duration") {
            if (!parseSeconds(v, &o.duration))
                return bad(v);
        } else if (arg == "--hostile-every") {
            if (!parseCount(v, &o.hostileEvery))
                return bad(v);
        } else if (arg == "--long-line") {
            if (!parseCount(v, &count) || count > 256u * 1024 * 1024)
                return bad(v);
            o.longLineBytes = static_cast<std::size_t>(count);
        } else if (arg == "--max-lines") {
            if (!parseCount(v, &o.maxLines))
                return bad(v);
        } else if (arg == "--hold-lock") {
            Millis duration{};
            if (!parseSeconds(v, &duration))
                return bad(v);
            o.holdLock = duration.count() > 0 ? duration : kUntilExit;
        } else if (arg == "--hold-record" || arg == "--hold-signal") {
            Hold hold;
            if (!parseHold(v, &hold))
                return bad(v);
            (arg == "--hold-record" ? o.holdRecords : o.holdSignals).push_back(hold);
        } else {
            *error = "unknown option " + arg;
            return false;
        }
    }
    if (!commandLine->help && o.programDir.empty()) {
        *error = "--program-dir is required";
        return false;
    }
    return true;
}

bool parseCommand(const std::string& line, Request* request, std::string* error)
{
    std::istringstream in(line);
    std::string word, name, seconds, extra;
    in >> word;
    *request = Request{};
    auto duration = [&](const std::string& text) {
        if (text.empty())
            return true;
        Millis value{};
        if (!parseSeconds(text, &value))
            return false;
        request->duration = value.count() > 0 ? value : kUntilExit;
        return true;
    };
    if (word == "rotate" || word == "truncate" || word == "stat" || word == "quit") {
        request->kind = word == "rotate"     ? Request::Rotate
                        : word == "truncate" ? Request::Truncate
                        : word == "stat"     ? Request::DumpStatistics
                                             : Request::Stop;
        if (in >> extra) {
            *error = word + " takes no argument";
            return false;
        }
        return true;
    }
    if (word == "long-line") {
        std::uint64_t bytes = 0;
        in >> name;
        request->kind = Request::LongLine;
        if (!parseCount(name, &bytes) || bytes == 0 || bytes > 256u * 1024 * 1024 || in >> extra) {
            *error = "usage: long-line BYTES";
            return false;
        }
        request->bytes = static_cast<std::size_t>(bytes);
        return true;
    }
    if (word == "hold-lock") {
        in >> seconds;
        request->kind = Request::HoldLock;
        if (!duration(seconds) || in >> extra) {
            *error = "usage: hold-lock [SECONDS]";
            return false;
        }
        return true;
    }
    if (word == "hold-record" || word == "hold-signal" || word == "release") {
        in >> name >> seconds;
        request->kind = word == "hold-record"   ? Request::HoldRecord
                        : word == "hold-signal" ? Request::HoldSignal
                                                : Request::Release;
        request->name = name;
        if (!isPlainFileName(name) || (word == "release" && !seconds.empty()) ||
            !duration(seconds) || in >> extra) {
            *error = "usage: " + word + (word == "release" ? " NAME" : " NAME [SECONDS]");
            return false;
        }
        return true;
    }
    *error = "unknown command '" + word + "'";
    return false;
}

const char* helpText()
{
    return R"(usage: gwsim --program-dir DIR [options]

Plays the Morva gateway for demos and tests: appends log lines to GW.log,
handles the six signal files (OSMTP.sig, Stat.sig, OQueue.sig, SendLog.sig,
AWLPA.sig, Restart.sig: each is claimed, removed and logged) and writes
CONST-A.dat a moment after Stat.sig. Events ("ready", "handled Stat.sig",
"wrote CONST-A.dat", "holding NAME", "released NAME", "rotated NAME",
"truncated", "stopped") are printed one per line on standard output.

Log:
  --log-dir DIR            where GW.log is written (default: the program dir)
  --rate N                 log lines per second, may be fractional (default 5;
                           0 writes only service lines)
  --prefill N              lines of history written at start (default 0)
  --seed N                 seed of the made-up traffic (default 1)
  --lf                     end lines with LF instead of CR LF
  --hostile-every N        make every N-th line one a viewer must not trust
                           (invalid UTF-8, NUL, HTML markup, control
                           characters, too short, digits without a colon)
  --long-line BYTES        write one line of BYTES characters at start
  --rotate-every SECONDS   rename GW.log to GW-YYYYMMDD-HHMMSS.log and start anew
  --truncate-every SECONDS cut GW.log to zero length

Signals and statistics:
  --poll-ms N              how often to look for signal files (default 100)
  --stat-delay-ms N        from Stat.sig to CONST-A.dat (default 1500)

Holding files (kept open without sharing, as the gateway does):
  --hold-lock SECONDS      hold MORVADTB.LCK (created; removed on release);
                           0 holds it until exit
  --hold-record NAME[:SECONDS]  hold an existing record file, e.g. DataAlia.DAT
  --hold-signal NAME[:SECONDS]  hold a signal file open (created), so that
                           the console's creating it fails; removed on release
  Without SECONDS (or with 0) a hold lasts until exit. Options may repeat.

Running:
  --duration SECONDS       stop after this time (default: until stopped)
  --max-lines N            stop after N traffic lines
  --commands               read commands from standard input, one a line:
                             rotate | truncate | stat | quit
                             long-line BYTES
                             hold-lock [SECONDS]
                             hold-record NAME [SECONDS]
                             hold-signal NAME [SECONDS]
                             release NAME
                           end of input stops the simulator
  --quiet                  print no events
  -h, --help               this text

Also: SIGUSR1 rotates the log, SIGUSR2 truncates it, SIGINT and SIGTERM stop
the simulator (releasing every hold).
)";
}

} // namespace morva::gwsim
